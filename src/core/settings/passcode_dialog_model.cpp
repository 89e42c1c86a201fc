#include "core/settings/passcode_dialog_model.h"

#include <algorithm>
#include <cctype>

namespace voltaro {

void CPasscodeDialogModel::Accept(const std::string& passcode, const std::string& confirmation) {
    const bool digits = std::all_of(passcode.begin(), passcode.end(),
                                    [](unsigned char c) { return std::isdigit(c) != 0; });
    if (passcode.size() != kDigits || !digits)
        throw SettingFieldError(NewPasscodeField, CPrivateException(11002));
    if (passcode != confirmation) throw SettingFieldError(ConfirmField, CPrivateException(11003));
    image_.words[29] = static_cast<uint16_t>(std::stoi(passcode));
}

}  // namespace voltaro
