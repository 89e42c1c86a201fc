#include "core/settings/passcode_dialog_model.h"

#include <algorithm>
#include <cctype>

#include "core/model/parameter_words.h"
#include "core/platform/message_ids.h"

namespace voltaro {

void CPasscodeDialogModel::Accept(const std::string& passcode, const std::string& confirmation) {
    const bool digits = std::all_of(passcode.begin(), passcode.end(),
                                    [](unsigned char c) { return std::isdigit(c) != 0; });
    if (passcode.size() != kDigits || !digits)
        throw SettingFieldError(NewPasscodeField, CPrivateException(kMsgInvalidPasscode));
    if (passcode != confirmation)
        throw SettingFieldError(ConfirmField, CPrivateException(kMsgPasscodeConfirmMismatch));
    image_.words[kWordPasscode] = static_cast<uint16_t>(std::stoi(passcode));
}

}  // namespace voltaro
