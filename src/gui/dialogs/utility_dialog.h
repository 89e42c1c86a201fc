#pragma once
// "Utility" for the device of the meter monitor: the resets of energies, maxima/minima,
// demand values and counters, the tag number ("Tag No. Setting"), the ZB loop test and
// the preset dialog. Buttons are named "energy", "max_min", "demand", "counter",
// "tag_no", "loop_test", "preset" and "close"; the tag field "tag".
#include <QDialog>
#include <string>

#include "core/app/utility_dialog_model.h"

class QLineEdit;
class QPushButton;

namespace voltaro {

class CModbusInterface;
enum class ResetKind;

class CTagDialog : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kTemplate = 147;
    explicit CTagDialog(const std::string& tag, QWidget* parent = nullptr);
    std::string Tag() const;

  private:
    QLineEdit* field_;
};

class CUtilityDialog : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kTemplate = 136;
    CUtilityDialog(CModbusInterface& client, const UtilityDevice& device,
                   QWidget* parent = nullptr);

  private:
    void Reset(ResetKind kind);
    void EditTag();
    void LoopTest();
    void Preset();

    CModbusInterface& client_;
    UtilityDevice device_;
};

}  // namespace voltaro
