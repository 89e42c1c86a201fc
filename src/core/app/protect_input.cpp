#include "core/app/protect_input.h"

#include "core/device/passcode_store.h"
#include "core/platform/message_ids.h"
#include "core/settings/setting_fields.h"

namespace voltaro {

namespace {

uint32_t ReadPasscode(int field, const std::string& text) {
    if (text.empty()) return 0;
    return static_cast<uint32_t>(ReadField(field, text, 1, kMaxPasscode, 1, kPasscodeNameId));
}

}  // namespace

ProtectionChange ReadProtectionInput(const std::string& current, const std::string& newPasscode,
                                     const std::string& confirm) {
    if (newPasscode != confirm) {
        throw SettingFieldError(kProtectNewField, CPrivateException(kMsgPasscodeConfirmMismatch));
    }
    ProtectionChange change;
    change.current = ReadPasscode(kProtectCurrentField, current);
    change.newPasscode = ReadPasscode(kProtectNewField, newPasscode);
    return change;
}

}  // namespace voltaro
