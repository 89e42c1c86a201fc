#pragma once
// "Energy Setting": the pulse output settings of one discrete output (energy count, pulse
// weight with its unit, pulse duration).
#include "core/settings/pulse_dialog_model.h"
#include "gui/dialogs/setting_dialog.h"

namespace voltaro {

class CPulseDialog : public CSettingDialog {
    Q_OBJECT
  public:
    static constexpr const char* kEnergy = "energyCount";
    static constexpr const char* kWeight = "pulseRate";
    static constexpr const char* kUnit = "pulseUnit";
    static constexpr const char* kDuration = "pulseDuration";

    // output: 0 to 3, the discrete output whose pulse settings are edited.
    CPulseDialog(ParameterImage& image, int output, QWidget* parent = nullptr);

  protected:
    void Store() override;

  private:
    CPulseDialogModel model_;
    QComboBox* energy_;
    QLineEdit* weight_;
    QLabel* unit_;
    QComboBox* duration_;
};

}  // namespace voltaro
