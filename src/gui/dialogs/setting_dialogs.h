#pragma once
// The setting buttons of the main window: each opens its setting dialog on a copy of the
// main window's image, and the copy travels back only when the dialog ends with OK.
#include <vector>

#include "core/model/parameter_image.h"

class QWidget;

namespace voltaro {

// buttonId: a setting button of the main window (kIdAlarm ... kIdCcLink, main_window_ids.h).
bool HasSettingDialog(int buttonId);
std::vector<int> SettingDialogButtons();
// Runs the button's dialog modally over parent on a copy of image; true when it ended
// with OK (then, and only then, image holds the whole edited copy). "Modbus" opens the
// Modbus-TCP dialog for Ethernet device types. False for ids without a dialog.
bool RunSettingDialogForButton(int buttonId, QWidget* parent, ParameterImage& image);

}  // namespace voltaro
