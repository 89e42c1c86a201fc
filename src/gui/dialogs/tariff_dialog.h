#pragma once
// "Switch tariff": the tariff the device counts into, with a coloured note about the
// tariff function (hidden on types without one).
#include "core/settings/tariff_dialog_models.h"
#include "gui/dialogs/setting_dialog.h"

namespace voltaro {

class CTariffDialog : public CSettingDialog {
    Q_OBJECT
  public:
    // Radios "tariffFirst" (high) and "tariffSecond" (low).
    static constexpr const char* kTariff = "tariff";
    static constexpr const char* kNote = "note";

    CTariffDialog(ParameterImage& image, QWidget* parent = nullptr);

  protected:
    void Store() override { model_.Accept(tariff_.SecondChecked()); }

  private:
    CTariffDialogModel model_;
    RadioPair tariff_;
};

}  // namespace voltaro
