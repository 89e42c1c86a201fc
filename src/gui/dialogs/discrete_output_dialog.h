#pragma once
// "Discrete / Pulse Output Setting": function and contact type of Do1 to Do4; the controls
// of outputs the device lacks are disabled and their words kept. Each "Energy" button edits
// that output's pulse settings in a nested dialog on this dialog's working copy.
#include <array>

#include "core/settings/discrete_io_dialog_models.h"
#include "gui/dialogs/setting_dialog.h"

class QGroupBox;
class QPushButton;

namespace voltaro {

class CDiscreteOutputDialog : public CSettingDialog {
    Q_OBJECT
  public:
    // Control ids of each output, Do1 to Do4.
    struct OutputIds {
        int function, normalOpen, normalClose, group, functionLabel, contactLabel, energy;
    };
    static constexpr std::array<OutputIds, 4> kOutputIds{{
        {1025, 1036, 1037, 1116, 1117, 1118, 1053},
        {1026, 1038, 1039, 1119, 1120, 1121, 1054},
        {1027, 1040, 1041, 1122, 1123, 1124, 1055},
        {1028, 1042, 1043, 1125, 1126, 1127, 1056},
    }};

    CDiscreteOutputDialog(ParameterImage& image, QWidget* parent = nullptr);

    // The "Energy" button of output (0 to 3): the pulse dialog on this dialog's copy.
    bool EditPulseOutput(int output);

  protected:
    void Store() override;

  private:
    ParameterImage& image_;
    CDiscreteOutputDialogModel model_;
    std::array<QComboBox*, 4> functions_{};
    std::array<RadioPair, 4> contacts_{};
};

}  // namespace voltaro
