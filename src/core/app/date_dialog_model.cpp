#include "core/app/date_dialog_model.h"

#include "core/platform/private_exception.h"

namespace voltaro {
namespace {

constexpr std::size_t kYearLength = 4;
constexpr std::size_t kFieldLength = 2;

}  // namespace

int CDateDialogModel::NextField(int field, std::size_t length) {
    if (field < kFieldYear || field >= kFieldSecond) return -1;
    const std::size_t full = field == kFieldYear ? kYearLength : kFieldLength;
    return length >= full ? field + 1 : -1;
}

void CDateDialogModel::PeriodicRead(CModbusInterface& client) {
    try {
        const ClockWords words = ReadDeviceClock(client);
        std::lock_guard<std::mutex> lock(mutex_);
        latest_ = words;
        unavailable_ = false;
    } catch (const CPrivateException&) {
        // Not reported: the device's time is shown empty until a read succeeds.
        std::lock_guard<std::mutex> lock(mutex_);
        unavailable_ = true;
    }
}

bool CDateDialogModel::ReadCompleted() {
    if (closing_) return true;
    readFinished_ = true;
    return false;
}

DateTickView CDateDialogModel::Tick(const DateTime& pcTime) {
    DateTickView view;
    view.pcText = FormatDateTime(pcTime);
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (!unavailable_) {
            view.deviceText = FormatDeviceClock(latest_);
            view.buttonsEnabled = ClockSettable(ClockSecondsByte(latest_));
        }
    }
    view.postRead = readFinished_;
    readFinished_ = false;
    return view;
}

}  // namespace voltaro
