#pragma once
// "Display Setting": key lock, data and energy views, LCD backlight, update rate and the
// "My Default" view with its preset timer. The off timer field is enabled only while the
// operation mode is "Auto", the preset timer field only while its check box is checked.
#include "core/settings/display_dialog_model.h"
#include "gui/dialogs/setting_dialog.h"

class QCheckBox;
class QSlider;

namespace voltaro {

class CDisplayDialog : public CSettingDialog {
    Q_OBJECT
  public:
    static constexpr const char* kKeyLock = "keyLock";
    static constexpr const char* kDataView = "dataView";
    static constexpr const char* kEnergyView = "energyView";
    static constexpr const char* kUnit = "energyUnit";
    static constexpr const char* kOperationMode = "operationMode";
    static constexpr const char* kOffTimer = "offTimer";
    static constexpr const char* kBrightness = "brightness";
    static constexpr const char* kUpdateRate = "updateRate";
    static constexpr const char* kUpdateRateLabel = "updateRateLabel";
    static constexpr const char* kUpdateRateUnit = "updateRateUnit";
    static constexpr const char* kUsePresetTimer = "usePresetTimer";
    static constexpr const char* kPresetTimer = "presetTimer";
    static constexpr const char* kMyDefaultDataView = "myDefaultDataView";
    static constexpr const char* kMyDefaultEnergyView = "myDefaultEnergyView";
    static constexpr const char* kMyDefaultUnit = "myDefaultUnit";

    CDisplayDialog(ParameterImage& image, QWidget* parent = nullptr);

  protected:
    void Store() override;

  private:
    void FollowControls();

    CDisplayDialogModel model_;
    QComboBox* keyLock_;
    QLineEdit* dataView_;
    QComboBox* energyView_;
    QComboBox* unit_;
    QComboBox* operationMode_;
    QLineEdit* offTimer_;
    QSlider* brightness_;
    QLineEdit* updateRate_;
    QCheckBox* usePresetTimer_;
    QLineEdit* presetTimer_;
    QLineEdit* myDefaultDataView_;
    QComboBox* myDefaultEnergyView_;
    QComboBox* myDefaultUnit_;
};

}  // namespace voltaro
