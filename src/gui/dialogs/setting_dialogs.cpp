#include "gui/dialogs/setting_dialogs.h"

#include <algorithm>
#include <functional>
#include <map>
#include <memory>

#include "core/settings/modbus_dialog_models.h"
#include "core/settings/run_setting_dialog.h"
#include "gui/dialogs/advanced_dialog.h"
#include "gui/dialogs/alarm_dialog.h"
#include "gui/dialogs/analog_output_dialog.h"
#include "gui/dialogs/bar_dialog.h"
#include "gui/dialogs/cc_link_dialog.h"
#include "gui/dialogs/discrete_input_dialog.h"
#include "gui/dialogs/discrete_output_dialog.h"
#include "gui/dialogs/display_dialog.h"
#include "gui/dialogs/display_expression_dialog.h"
#include "gui/dialogs/display_sigma_dialog.h"
#include "gui/dialogs/modbus2_dialog.h"
#include "gui/dialogs/modbus_dialog.h"
#include "gui/dialogs/short_cut_menu_dialog.h"
#include "gui/dialogs/tariff_dialog.h"

namespace voltaro {

namespace {

using DialogFactory = std::function<std::unique_ptr<QDialog>(ParameterImage&, QWidget*)>;

template <typename Dialog>
DialogFactory Make() {
    return [](ParameterImage& copy, QWidget* parent) {
        return std::make_unique<Dialog>(copy, parent);
    };
}

const std::map<int, DialogFactory>& Factories() {
    static const std::map<int, DialogFactory> factories{
        {kButtonAlarm, Make<CAlarmDialog>()},
        {kButtonTariff, Make<CTariffDialog>()},
        {kButtonOthers, Make<CAdvancedDialog>()},
        {kButtonDisplay, Make<CDisplayDialog>()},
        {kButtonExtBar, Make<CBarDialog>()},
        {kButtonSigmaDisp, Make<CDisplaySigmaDialog>()},
        {kButtonExpression, Make<CDisplayExpressionDialog>()},
        {kButtonShortCut, Make<CShortCutMenuDialog>()},
        {kButtonDi, Make<CDiscreteInputDialog>()},
        {kButtonDoPo, Make<CDiscreteOutputDialog>()},
        {kButtonAo, Make<CAnalogOutputDialog>()},
        {kButtonModbus,
         [](ParameterImage& copy, QWidget* parent) -> std::unique_ptr<QDialog> {
             if (UsesModbus2Dialog(copy.deviceType)) {
                 return std::make_unique<CModbus2Dialog>(copy, parent);
             }
             return std::make_unique<CModbusDialog>(copy, parent);
         }},
        {kButtonCcLink, Make<CCCLinkDialog>()},
    };
    return factories;
}

}  // namespace

bool HasSettingDialog(int buttonId) {
    return Factories().count(buttonId) != 0;
}

std::vector<int> SettingDialogButtons() {
    std::vector<int> ids;
    for (const auto& entry : Factories())
        ids.push_back(entry.first);
    return ids;
}

bool RunSettingDialogForButton(int buttonId, QWidget* parent, ParameterImage& image) {
    const auto it = Factories().find(buttonId);
    if (it == Factories().end()) return false;
    return RunSettingDialog(image, [&](ParameterImage& copy) {
        const std::unique_ptr<QDialog> dialog = it->second(copy, parent);
        return dialog->exec() == QDialog::Accepted;
    });
}

}  // namespace voltaro
