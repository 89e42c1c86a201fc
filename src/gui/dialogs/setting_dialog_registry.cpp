#include "gui/dialogs/setting_dialog_registry.h"

namespace voltaro {

const SettingDialogFactory* CSettingDialogRegistry::Find(int buttonId) const
{
    auto it = factories_.find(buttonId);
    return it == factories_.end() ? nullptr : &it->second;
}

const CSettingDialogRegistry& SettingDialogs()
{
    static const CSettingDialogRegistry registry = [] {
        CSettingDialogRegistry r;
        RegisterSettingDialogs(r);
        return r;
    }();
    return registry;
}

}  // namespace voltaro
