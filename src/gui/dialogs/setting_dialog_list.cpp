// The setting dialogs of the main window's buttons: one line per dialog.
#include "core/app/main_window_ids.h"
#include "gui/dialogs/passcode_dialog.h"
#include "gui/dialogs/setting_dialog_registry.h"

namespace voltaro {

void RegisterSettingDialogs(CSettingDialogRegistry& registry)
{
    registry.Add(kIdPasscode, MakeSettingDialog<CPasscodeDialog>);
}

}  // namespace voltaro
