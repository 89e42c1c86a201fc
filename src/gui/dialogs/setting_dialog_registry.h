#pragma once
// Which setting dialog each button of the main window opens. A button whose id has a
// factory is enabled by the device type's features and runs the dialog through
// RunSettingDialog; a button without one stays disabled with a tool tip saying so.
// Wiring a dialog to a button is one line in RegisterSettingDialogs()
// (setting_dialog_list.cpp), for example
//     registry.Add(kIdAlarm, MakeSettingDialog<CAlarmDialog>);
// and the input page of the multi-circuit types likewise with registry.SetInputPage(...).
#include <functional>
#include <map>
#include <memory>

#include "core/model/device_type.h"
#include "gui/app/input_page.h"
#include "gui/dialogs/setting_dialog.h"

namespace voltaro {

// Creates the dialog for the image's device type (the Modbus button picks the TCP or the
// serial variant from it).
using SettingDialogFactory =
    std::function<std::unique_ptr<CSettingDialog>(QWidget* parent, const CDeviceType& type)>;

template <typename Dialog>
std::unique_ptr<CSettingDialog> MakeSettingDialog(QWidget* parent, const CDeviceType&)
{
    return std::make_unique<Dialog>(parent);
}

class CSettingDialogRegistry {
public:
    void Add(int buttonId, SettingDialogFactory factory) { factories_[buttonId] = std::move(factory); }
    // The factory of buttonId, or nullptr.
    const SettingDialogFactory* Find(int buttonId) const;

    // The CT/VT input page of the multi-circuit types (see input_page.h).
    void SetInputPage(InputPageFactory factory) { inputPage_ = std::move(factory); }
    const InputPageFactory& InputPage() const { return inputPage_; }

private:
    std::map<int, SettingDialogFactory> factories_;
    InputPageFactory inputPage_;
};

// The registry with every dialog that is built (filled once).
const CSettingDialogRegistry& SettingDialogs();
// Fills registry with the dialogs of the program (setting_dialog_list.cpp).
void RegisterSettingDialogs(CSettingDialogRegistry& registry);

}  // namespace voltaro
