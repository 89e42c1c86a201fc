#pragma once
// The remembered Modbus passcode: profile section "Settings", key "Passcode".
// -1 (also the value when the key is absent) means that nothing is remembered;
// otherwise the key holds the passcode plus 1000000000, scrambled by modular
// exponentiation so that the number in the file does not show the passcode.
// The profile file itself is readable by its owner only.
#include <cstdint>
#include <optional>
#include <string>

namespace voltaro {

class CUserProfile;

constexpr uint32_t kMaxPasscode = 999999999;
constexpr int32_t kNoRememberedPasscode = -1;

// Scrambles a passcode (0 .. kMaxPasscode) into the stored value (positive, < 2^31).
int32_t ScramblePasscode(uint32_t passcode);
// The passcode of a stored value, or nullopt for -1 and for values that no passcode
// scrambles to (a hand-edited or damaged profile).
std::optional<uint32_t> UnscramblePasscode(int32_t stored);

std::optional<uint32_t> LoadRememberedPasscode(const CUserProfile& profile);
// Sets (or, with nullopt, clears) the remembered passcode in the profile; the caller
// saves the profile.
void StoreRememberedPasscode(CUserProfile& profile, std::optional<uint32_t> passcode);

// The decisions of the passcode prompt of a protected device, without its widgets.
// Opening shows a remembered passcode as twelve 'x' with the save box checked; OK with
// an untouched field answers the remembered passcode.
class CEnterPasscodeModel {
  public:
    explicit CEnterPasscodeModel(CUserProfile& profile);

    static constexpr const char* kMaskText = "xxxxxxxxxxxx";

    // Initial state of the dialog.
    bool SaveChecked() const { return saveChecked_; }
    const std::string& FieldText() const { return fieldText_; }

    // OK: fieldChanged tells whether the user edited the field. Updates the remembered
    // passcode in the profile (and saves it) and returns the passcode to send.
    uint32_t Accept(bool fieldChanged, const std::string& text, bool saveChecked);

    // Parses the field like the dialog: a signed integer with automatic base; trailing
    // characters, or a value outside 0 .. kMaxPasscode, give 0.
    static uint32_t ParseField(const std::string& text);

  private:
    CUserProfile& profile_;
    uint32_t remembered_ = 0;
    bool saveChecked_ = false;
    std::string fieldText_;
};

}  // namespace voltaro
