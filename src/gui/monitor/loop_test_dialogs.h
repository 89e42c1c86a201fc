#pragma once
// The output loop tests: "Loop Test" / "Normal" radio buttons that reflect and switch the
// device's loop-test flag, and a grid of test values (the project's data grid: names in
// column 0, values in column 1, edited in place while the test is on). CLoopBackDialog
// holds the analogue outputs of a meter; CLoopTestDialog the measured values of a ZB
// input. Leaving a dialog does not end the test. Controls: radio buttons "id1142" /
// "id1143", the grid "values".
#include <QDialog>
#include <QTimer>
#include <memory>
#include <string>
#include <vector>

#include "core/device/loop_test.h"

class QRadioButton;

namespace voltaro {

class CDataGridView;
class CGridCellEditing;
class CGridFrame;
class CMeasurandsKT2;
class CModbusInterface;
class CParEdit;

class CLoopDialogBase : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kIdLoopTestMode = 1142;
    static constexpr int kIdNormalMode = 1143;
    static constexpr int kNameColumn = 0;
    static constexpr int kValueColumn = 1;

    ~CLoopDialogBase() override;
    CDataGridView* Grid() const;
    CParEdit& Editor();
    // Whether the value of row can be typed now.
    bool ValueEditable(int row) const { return Editable(row); }

  protected:
    CLoopDialogBase(int templateId, int captionId, CModbusInterface& client, QWidget* parent);
    // Builds the grid with one row per name.
    void BuildGrid(const std::vector<QString>& names);
    void ShowMode(bool on);
    void ShowValues();
    bool LoopTestOn() const;

    virtual bool SwitchMode(bool on) = 0;
    // Checks and writes the text typed for row; CPrivateException for a bad entry.
    virtual void CommitValue(int row, const std::string& text) = 0;
    virtual QString ValueText(int row) const = 0;
    virtual bool Editable(int row) const = 0;

    CModbusInterface& client_;

  private:
    void ModeClicked(bool on);

    QRadioButton* loop_ = nullptr;
    QRadioButton* normal_ = nullptr;
    CGridFrame* frame_ = nullptr;
    std::unique_ptr<CGridCellEditing> editing_;
    std::vector<QString> names_;
};

class CLoopBackDialog : public CLoopDialogBase {
    Q_OBJECT
  public:
    static constexpr int kTemplate = 167;
    static constexpr int kRefreshMs = 500;
    // Reads the outputs and their flag (failures shown) and runs the dialog. store, when
    // given, is the monitor's: its output levels are shown while the test is off.
    static void Run(CModbusInterface& client, const CMeasurandsKT2* store, QWidget* parent);
    CLoopBackDialog(CModbusInterface& client, const AoLoopState& state, const CMeasurandsKT2* store,
                    QWidget* parent = nullptr);

  protected:
    bool SwitchMode(bool on) override;
    void CommitValue(int row, const std::string& text) override;
    QString ValueText(int row) const override;
    bool Editable(int) const override { return LoopTestOn(); }

  private:
    void Refresh();
    AoLoopState state_;
    const CMeasurandsKT2* store_;
    QTimer timer_;
};

class CLoopTestDialog : public CLoopDialogBase {
    Q_OBJECT
  public:
    static constexpr int kTemplate = 158;
    static void Run(CModbusInterface& client, int channel, QWidget* parent);
    CLoopTestDialog(CModbusInterface& client, int channel, const ZbLoopState& state,
                    QWidget* parent = nullptr);

  protected:
    bool SwitchMode(bool on) override;
    void CommitValue(int row, const std::string& text) override;
    QString ValueText(int row) const override;
    bool Editable(int row) const override;

  private:
    int channel_;
    ZbLoopState state_;
};

}  // namespace voltaro
