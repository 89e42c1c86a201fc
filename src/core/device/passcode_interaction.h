#pragma once
// What the passcode sequences need from the user half-way: the desktop program answers
// with dialogs, voltaro-cli with its options, tests with scripted answers.
#include <cstdint>
#include <optional>
#include <string>

namespace voltaro {

struct ProtectionChange {
    uint32_t current = 0;      // passcode now in force (0: none)
    uint32_t newPasscode = 0;  // passcode to set (0 turns protection off)
};

class IPasscodeInteraction {
  public:
    virtual ~IPasscodeInteraction() = default;
    // The passcode of a protected device; nullopt when the user cancels. Remembering
    // the passcode (CEnterPasscodeModel) is the answerer's business.
    virtual std::optional<uint32_t> AskPasscode() = 0;
    // Current and new passcode for "Protect"; nullopt when the user cancels.
    virtual std::optional<ProtectionChange> AskProtection() = 0;
    // A failure the sequence ends with (shown with the stop icon).
    virtual void ShowError(const std::string& text) = 0;
    // A yes/no question ("Are you sure?"); true for yes.
    virtual bool Confirm(const std::string& text) = 0;
    // "Protect" tells the device's state before AskProtection: true when a Modbus passcode
    // is set (kMsgProtectionIsOn), false when none is (kMsgProtectionIsOff). Answerers that
    // show nothing of it keep this default.
    virtual void TellProtectionState(bool /*on*/) {}
};

}  // namespace voltaro
