#include "core/app/protect_input.h"

#include "core/device/passcode_store.h"
#include "core/settings/setting_fields.h"

namespace voltaro {

namespace {

constexpr int kConfirmMismatch = 11003;

uint32_t ReadPasscode(int field, const std::string& text)
{
    if (text.empty()) return 0;
    return static_cast<uint32_t>(ReadField(field, text, 1, kMaxPasscode, 1, kPasscodeNameId));
}

}  // namespace

ProtectionChange ReadProtectionInput(const std::string& current, const std::string& newPasscode,
                                     const std::string& confirm)
{
    if (newPasscode != confirm) {
        throw SettingFieldError(kProtectNewField, CPrivateException(kConfirmMismatch));
    }
    ProtectionChange change;
    change.current = ReadPasscode(kProtectCurrentField, current);
    change.newPasscode = ReadPasscode(kProtectNewField, newPasscode);
    return change;
}

}  // namespace voltaro
