#pragma once
// The check of the "Modbus passcode protection" dialog: current, new and confirmed
// passcode as typed.
#include <string>

#include "core/device/passcode_interaction.h"

namespace voltaro {

constexpr int kProtectCurrentField = 1;
constexpr int kProtectNewField = 2;
constexpr int kPasscodeNameId = 15654;

// New and confirmation must be the same text (kMsgPasscodeConfirmMismatch otherwise: "012"
// and "12" differ). An empty field means 0; otherwise 1 to 999999999 (kMsgNotInteger /
// kMsgOutOfRange naming "Passcode").
// Failures throw SettingFieldError naming kProtectCurrentField or kProtectNewField.
ProtectionChange ReadProtectionInput(const std::string& current, const std::string& newPasscode,
                                     const std::string& confirm);

}  // namespace voltaro
