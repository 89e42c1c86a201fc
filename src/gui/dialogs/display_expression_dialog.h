#pragma once
// "Display Expression Setting": line and phase indication and the power format, three radio
// pairs; a pair the device type lacks is disabled and keeps its word.
#include "core/settings/display_option_models.h"
#include "gui/dialogs/setting_dialog.h"

namespace voltaro {

class CDisplayExpressionDialog : public CSettingDialog {
    Q_OBJECT
  public:
    // Radio pairs: name + "First" / name + "Second"; labels name + "Label".
    static constexpr const char* kLine = "lineIndication";
    static constexpr const char* kPhase = "phaseIndication";
    static constexpr const char* kPowerFormat = "powerFormat";

    CDisplayExpressionDialog(ParameterImage& image, QWidget* parent = nullptr);

  protected:
    void Store() override;

  private:
    CDisplayExpressionDialogModel model_;
    RadioPair line_, phase_, powerFormat_;
};

}  // namespace voltaro
