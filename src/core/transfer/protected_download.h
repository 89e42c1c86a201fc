#pragma once
// The protected download: the device's passcode protection is unlocked before the
// download and locked again after it, also when the user cancelled the transfer or it
// failed. The desktop program and voltaro-cli run this one sequence; they differ only in
// how they answer the passcode questions and how they show the transfer.
#include "core/device/passcode_interaction.h"
#include "core/device/passcode_protection.h"

namespace voltaro {

class CModbusInterface;
class ParameterImage;

// The caller's part of the sequence besides the passcode answers.
class IDownloadView {
  public:
    virtual ~IDownloadView() = default;
    // Runs the download of image over client to its end under the caller's progress view
    // (the rules of RunDownload: false when the user cancelled, failures thrown).
    virtual bool TransferWithProgress(CModbusInterface& client, const ParameterImage& image) = 0;
    // Unlock and relock talk to the device on the caller's thread: true before each,
    // false after it (the desktop program shows the wait cursor meanwhile).
    virtual void ShowBusy(bool busy) = 0;
};

enum class ProtectedDownloadResult {
    Completed,    // written, and locked again
    NotUnlocked,  // prompt cancelled or passcode wrong (kMsgPasscodeMismatch shown):
                  // nothing written
    Cancelled,    // the user cancelled the transfer; locked again
};

// Unlock, download, relock, under the device's lock (CDeviceLock) from start to end. A failing
// download is thrown after the device was locked again; failures of the unlock are thrown as they
// are. When the relock fails, the device may still accept writes: that is thrown as
// kMsgRelockFailed, carrying the download's failure (if any) and the relock's.
ProtectedDownloadResult RunProtectedDownload(CModbusInterface& client, const ParameterImage& image,
                                             IPasscodeInteraction& interaction, IDownloadView& view,
                                             PasscodeTimings timings = {});
// The same for a caller that holds the device's CDeviceLock already (for a longer sequence
// around the download, e.g. a backup before it and a read-back after it).
ProtectedDownloadResult RunProtectedDownloadHoldingLock(CModbusInterface& client,
                                                        const ParameterImage& image,
                                                        IPasscodeInteraction& interaction,
                                                        IDownloadView& view,
                                                        PasscodeTimings timings = {});

}  // namespace voltaro
