#pragma once
// The setting buttons of the main window: each opens its setting dialog on a copy of the
// main window's image, and the copy travels back only when the dialog ends with OK.
#include <vector>

#include "core/model/parameter_image.h"

class QWidget;

namespace voltaro {

// Button ids of the main window that open a setting dialog.
enum SettingButton {
    kButtonOthers = 1030,
    kButtonModbus = 1035,
    kButtonTariff = 1036,
    kButtonAo = 1041,
    kButtonDisplay = 1042,
    kButtonExtBar = 1043,
    kButtonExpression = 1044,
    kButtonAlarm = 1052,
    kButtonShortCut = 1053,
    kButtonCcLink = 1055,
    kButtonSigmaDisp = 1097,
    kButtonDi = 1102,
    kButtonDoPo = 1103,
};

bool HasSettingDialog(int buttonId);
std::vector<int> SettingDialogButtons();
// Runs the button's dialog modally over parent on a copy of image; true when it ended
// with OK (then, and only then, image holds the whole edited copy). "Modbus" opens the
// Modbus-TCP dialog for Ethernet device types. False for ids without a dialog.
bool RunSettingDialogForButton(int buttonId, QWidget* parent, ParameterImage& image);

}  // namespace voltaro
