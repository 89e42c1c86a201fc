#pragma once
// "Device Information": the identity of the connected device (tag number, passcode
// protection, model, serial number, firmware version, support information) in a
// two-column grid. The device is read once, before the dialog is shown; a failed read shows
// its message and no dialog.
#include <QDialog>

#include "core/monitor/measurand_store.h"

namespace voltaro {

class CGridFrame;
class CModbusInterface;

class CDeviceInfoDialog : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kTemplate = 165;
    static constexpr int kIdGrid = 1007;

    // client: connected by the caller, not owned.
    explicit CDeviceInfoDialog(CModbusInterface& client, QWidget* parent = nullptr);

    // Reads the device with the wait cursor, then runs the dialog; a failure is shown with
    // the stop icon and gives Rejected without showing the dialog.
    int Run();
    const CMeasurandsKT2& Store() const { return store_; }
    CGridFrame* Grid() const { return grid_; }

  private:
    CModbusInterface& client_;
    CMeasurandsKT2 store_;
    CGridFrame* grid_;
};

}  // namespace voltaro
