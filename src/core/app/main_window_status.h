#pragma once
// What the main window's status line and title say about the device and about the command
// that just ended.
#include <cstdint>
#include <optional>
#include <string>

#include "core/device/passcode_interaction.h"
#include "core/model/parameter_image.h"

namespace voltaro {

// The connected device for the title and the status line: its model and, when known, its
// serial number; empty for a type without a row.
std::string DeviceText(const CDeviceType& type, const std::string& serial);

// Parameters of the report that apply to the image's device type (a 32-bit value or an
// address counts once).
int AppliedParameterCount(const ParameterImage& image);

// Seconds with one decimal, as the status line shows durations.
std::string SecondsText(double seconds);

// "Uploaded 435 parameters from <device> in 0.4 s."
std::string UploadedStatus(const ParameterImage& image, const std::string& deviceText,
                           double seconds);
// "Downloaded ... and locked the device again." (the protected download always relocks).
std::string DownloadedStatus(const ParameterImage& image, double seconds);
// After Protect set a new passcode: whether protection is now on.
std::string ProtectionStatus(const ProtectionChange& change);

// Passes every question on to another interaction and remembers the protection change the
// user asked for, so that the status line can tell the outcome.
class CProtectionChangeRecorder : public IPasscodeInteraction {
  public:
    explicit CProtectionChangeRecorder(IPasscodeInteraction& inner) : inner_(inner) {}
    std::optional<uint32_t> AskPasscode() override { return inner_.AskPasscode(); }
    std::optional<ProtectionChange> AskProtection() override {
        change_ = inner_.AskProtection();
        return change_;
    }
    void ShowError(const std::string& text) override { inner_.ShowError(text); }
    bool Confirm(const std::string& text) override { return inner_.Confirm(text); }
    void TellProtectionState(bool on) override { inner_.TellProtectionState(on); }

    const std::optional<ProtectionChange>& Change() const { return change_; }

  private:
    IPasscodeInteraction& inner_;
    std::optional<ProtectionChange> change_;
};

}  // namespace voltaro
