#pragma once
// The main window: model selection, the basic input and demand settings, one button per
// setting dialog and the device commands. Its decisions live in CMainWindowModel; this
// class moves texts and flags between the model and the widgets and runs the commands.
//
// Every control is named "id<control id>" (for example "id1032" for Upload; see
// core/app/main_window_ids.h) with a readable name in the property "controlName".
// The VT/CT edits sit in the groups "vt_rating" and "ct_rating"; multi-circuit types show
// the CT/VT input page "input_page" in their place, whose VT edits carry the same ids.
#include <QDialog>
#include <map>

#include "core/app/app_settings.h"
#include "core/app/main_window_model.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QWidget;

namespace voltaro {

class CInput2Page;
class CModbusInterface;

class CBasicParameterDialog : public QDialog {
    Q_OBJECT
  public:
    // Result asking the start-up loop to show the window again (language switch).
    static constexpr int kShowAgain = 1;

    // Starts from carryOver and writes its image back into it when it ends.
    CBasicParameterDialog(ParameterImage& carryOver, AppSettings& settings,
                          QWidget* parent = nullptr);

    void Refresh();
    // Reads the controls into the image; shows a failure (focus on the offending edit)
    // and returns false.
    bool ReadControls(bool takeModel);

    const ParameterImage& Image() const { return model_.Image(); }
    CMainWindowModel& Model() { return model_; }

    // Device and file commands (buttons; public so that start-up options can run them).
    void Upload();
    void Download();
    void Protect();
    void Report();
    void SaveFile();
    void OpenFile();
    // Connects, identifies the device and shows its monitor window (the main window is
    // hidden meanwhile).
    void Monitor();
    void SwitchLanguage();
    void RunSettingButton(int id);

    void done(int result) override;

  private:
    void BuildWidgets();
    QWidget* BuildModelGroup();
    QWidget* BuildRatingGroup();
    QWidget* BuildDemandGroup();
    QWidget* BuildSettingButtons();
    QWidget* BuildCommandButtons();
    QPushButton* MakeButton(int id, const char* name, int textId);

    MainWindowInput CollectInput() const;
    void ShowView(const MainWindowView& view);
    void FillModelCombos();
    void ModelPicked(CMainWindowModel::Level level, int index);
    void UpdateDemandEdits();
    void EnableButtons();
    // Whether a setting dialog is wired to button id.
    static bool HasDialog(int id);

    CMainWindowModel model_;
    ParameterImage& carryOver_;
    AppSettings& settings_;
    bool filling_ = false;  // controls are being filled: ignore their change signals

    QComboBox* prefix_ = nullptr;
    QComboBox* description_ = nullptr;
    QComboBox* version_ = nullptr;
    QComboBox* system_ = nullptr;
    QLineEdit* vtPrimary_ = nullptr;
    QLineEdit* vtSecondary_ = nullptr;
    QLineEdit* ctPrimary_ = nullptr;
    QLineEdit* ctSecondary_ = nullptr;
    QLineEdit* barVoltage_ = nullptr;
    QLineEdit* barCurrent_ = nullptr;
    std::vector<QWidget*> barControls_;
    std::vector<QWidget*> ratingGroups_;  // "VT rating" and "CT rating" with their labels
    QComboBox* currentDemand_ = nullptr;
    QLineEdit* currentInterval_ = nullptr;
    QComboBox* powerDemand_ = nullptr;
    QLineEdit* powerInterval_ = nullptr;
    QCheckBox* dip_ = nullptr;
    CInput2Page* inputPage_ = nullptr;  // multi-circuit types: CT/VT per measuring input
    std::map<int, QPushButton*> settingButtons_;
};

}  // namespace voltaro
