#include "core/transfer/protected_download.h"

#include <exception>
#include <string>

#include "core/comm/device_lock.h"
#include "core/comm/modbus_interface.h"
#include "core/device/device_link.h"
#include "core/platform/message_format.h"
#include "core/platform/message_ids.h"
#include "core/platform/private_exception.h"
#include "core/transfer/transfers.h"

namespace voltaro {
namespace {

// The view shows itself busy for the lifetime of the object.
class BusyView {
  public:
    explicit BusyView(IDownloadView& view) : view_(view) { view_.ShowBusy(true); }
    ~BusyView() { view_.ShowBusy(false); }
    BusyView(const BusyView&) = delete;
    BusyView& operator=(const BusyView&) = delete;

  private:
    IDownloadView& view_;
};

// Locks the device again; a failure is told in plain words (the device may still accept
// writes), after the failure of the transfer when there was one.
void RelockOrTell(CPasscodeProtection& protection, IDownloadView& view,
                  const std::string& transferFailure) {
    try {
        BusyView busy(view);
        protection.Relock();
    } catch (const CPrivateException& e) {
        const std::string why =
            transferFailure.empty() ? e.Message() : transferFailure + "\r\r" + e.Message();
        throw CPrivateException(FormatMessageId(kMsgRelockFailed, {why}));
    }
}

}  // namespace

ProtectedDownloadResult RunProtectedDownload(CModbusInterface& client, const ParameterImage& image,
                                             IPasscodeInteraction& interaction, IDownloadView& view,
                                             PasscodeTimings timings) {
    // An image that the device must not take is refused before the device is locked.
    CheckDownloadValues(image);
    // Another program's download to the same device would relock it half-way through.
    const CDeviceLock deviceLock(client.settings);
    return RunProtectedDownloadHoldingLock(client, image, interaction, view, timings);
}

ProtectedDownloadResult RunProtectedDownloadHoldingLock(CModbusInterface& client,
                                                        const ParameterImage& image,
                                                        IPasscodeInteraction& interaction,
                                                        IDownloadView& view,
                                                        PasscodeTimings timings) {
    // An image that the device must not take, or a device of another type, is refused
    // before the unlock writes anything or asks for a passcode.
    CheckDownloadValues(image);
    CPasscodeProtection protection(interaction, timings);
    {
        BusyView busy(view);
        {
            CDeviceLink link(client);
            CheckSameDeviceType(image, client);
        }
        if (!protection.Unlock(client)) return ProtectedDownloadResult::NotUnlocked;
    }
    bool completed = false;
    try {
        completed = view.TransferWithProgress(client, image);
    } catch (const CPrivateException& e) {
        RelockOrTell(protection, view, e.Message());
        throw;
    }
    // Anything else (a cancel, a lack of memory) leaves through the destructor of
    // protection, which still tries to lock again.
    RelockOrTell(protection, view, {});
    return completed ? ProtectedDownloadResult::Completed : ProtectedDownloadResult::Cancelled;
}

}  // namespace voltaro
