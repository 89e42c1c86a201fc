#include "gui/dialogs/setting_dialogs.h"

#include <map>

#include "core/app/main_window_ids.h"
#include "core/settings/modbus_dialog_models.h"
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

using DialogRunner = bool (*)(ParameterImage&, QWidget*);

bool RunModbusDialog(ParameterImage& image, QWidget* parent) {
    return UsesModbus2Dialog(image.deviceType) ? RunDialogOn<CModbus2Dialog>(image, parent)
                                               : RunDialogOn<CModbusDialog>(image, parent);
}

const std::map<int, DialogRunner>& Runners() {
    static const std::map<int, DialogRunner> runners{
        {kIdAlarm, &RunDialogOn<CAlarmDialog>},
        {kIdTariff, &RunDialogOn<CTariffDialog>},
        {kIdOthers, &RunDialogOn<CAdvancedDialog>},
        {kIdDisplay, &RunDialogOn<CDisplayDialog>},
        {kIdExtBar, &RunDialogOn<CBarDialog>},
        {kIdSigmaDisp, &RunDialogOn<CDisplaySigmaDialog>},
        {kIdExpression, &RunDialogOn<CDisplayExpressionDialog>},
        {kIdShortCut, &RunDialogOn<CShortCutMenuDialog>},
        {kIdDi, &RunDialogOn<CDiscreteInputDialog>},
        {kIdDoPo, &RunDialogOn<CDiscreteOutputDialog>},
        {kIdAo, &RunDialogOn<CAnalogOutputDialog>},
        {kIdModbus, &RunModbusDialog},
        {kIdCcLink, &RunDialogOn<CCCLinkDialog>},
    };
    return runners;
}

}  // namespace

bool HasSettingDialog(int buttonId) {
    return Runners().count(buttonId) != 0;
}

std::vector<int> SettingDialogButtons() {
    std::vector<int> ids;
    for (const auto& entry : Runners())
        ids.push_back(entry.first);
    return ids;
}

bool RunSettingDialogForButton(int buttonId, QWidget* parent, ParameterImage& image) {
    const auto it = Runners().find(buttonId);
    return it != Runners().end() && it->second(image, parent);
}

}  // namespace voltaro
