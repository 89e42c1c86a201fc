#include "core/transfer/protected_download.h"

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

}  // namespace

ProtectedDownloadResult RunProtectedDownload(CModbusInterface& client, const ParameterImage& image,
                                             IPasscodeInteraction& interaction, IDownloadView& view,
                                             PasscodeTimings timings) {
    CPasscodeProtection protection(interaction, timings);
    {
        BusyView busy(view);
        if (!protection.Unlock(client)) return ProtectedDownloadResult::NotUnlocked;
    }
    // A failing transfer leaves through the destructor of protection, which locks again.
    const bool completed = view.TransferWithProgress(client, image);
    {
        BusyView busy(view);
        protection.Relock();
    }
    return completed ? ProtectedDownloadResult::Completed : ProtectedDownloadResult::Cancelled;
}

}  // namespace voltaro
