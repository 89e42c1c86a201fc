#pragma once
// "Other Setting": low-end cutouts, frequency input, tariff function and calculation
// options. On the 8/16-input series the per-channel current cutouts are a grid edited in
// place; Escape during such an edit ends the edit instead of closing.
#include <array>

#include "core/settings/tariff_dialog_models.h"
#include "gui/dialogs/setting_dialog.h"

namespace voltaro {

class CDataGridView;
class CGridEditBinding;

class CAdvancedDialog : public CSettingDialog {
    Q_OBJECT
  public:
    static constexpr const char* kVoltageCutout = "voltageCutout";
    static constexpr const char* kCurrentCutout1 = "currentCutout1";
    static constexpr const char* kCurrentCutout2 = "currentCutout2";
    static constexpr const char* kFrequencyInput = "frequencyInput";
    static constexpr const char* kFrequencyLabel = "frequencyInputLabel";
    static constexpr const char* kChannelGrid = "channelGrid";
    // Radio pairs: name + "First" / name + "Second".
    static constexpr const char* kTariffFunction = "tariffFunction";
    static constexpr const char* kTariffLabel = "tariffFunctionLabel";
    static constexpr std::array<const char*, 4> kCalculation{"powerFactorSign", "reactivePowerSign",
                                                             "phaseReactivePower", "apparentPower"};

    CAdvancedDialog(ParameterImage& image, QWidget* parent = nullptr);

    CGridEditBinding* GridBinding() { return gridBinding_; }

  protected:
    void Store() override;
    bool CancelInPlaceEdit() override;

  private:
    void LayOutChannelGrid();

    CAdvancedDialogModel model_;
    QLineEdit* voltageCutout_;
    QLineEdit* currentCutout1_;
    QLineEdit* currentCutout2_;
    QComboBox* frequencyInput_;
    CDataGridView* grid_;
    CGridEditBinding* gridBinding_ = nullptr;
    RadioPair tariffFunction_;
    std::array<RadioPair, 4> calculation_;
};

}  // namespace voltaro
