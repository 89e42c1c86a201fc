// "Find devices..." in the Connect dialog: scans a simulated bus on a pseudo-terminal
// behind a progress dialog, lists what it found and fills the dialog from the pick; a
// Cancel of the progress ends the scan without blocking the window.
#include <gtest/gtest.h>

#include <unistd.h>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

#include "core/app/find_devices_model.h"
#include "gui/app/control_names.h"
#include "gui/dialogs/comm_dialog.h"
#include "gui/dialogs/find_devices_dialog.h"
#include "gui_driver.h"
#include "sim/shared_bus.h"

namespace voltaro {
namespace {

using test::OnModal;

// Processes events until done() holds or timeoutMs passed.
bool WaitFor(const std::function<bool()>& done, int timeoutMs = 10000) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < timeoutMs)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    return done();
}

struct BusDialog {
    explicit BusDialog(const std::string& devices) : bus(Options(), sim::ParseBusDevices(devices)) {
        port = bus.StartPty("GUI-SCAN-" + std::to_string(::getpid()));
        settings.mode = ModbusRtu;
        settings.comPortName = port;
        settings.comPortDisplayName = "BUS";
        settings.baudrate = 0;  // 1200: the dialog starts elsewhere than the device
        settings.parity = 0;    // (a pseudo-terminal takes no parity)
        settings.stop = 1;
        settings.address = 99;
    }
    static sim::SimulatorOptions Options() {
        sim::SimulatorOptions options;
        options.line.turnaroundMs = 0;
        options.line.baud = 19200;
        return options;
    }
    sim::SharedBus bus;
    std::string port;
    CComSettings settings;
};

TEST(FindDevices, FindsTheSimulatedDeviceAndFillsTheConnectDialog) {
    BusDialog bus("39@2");
    CCommDialog dialog(bus.settings, {{"/dev/ttyS0", "COM1"}, {bus.port, "BUS"}});
    dialog.show();
    bool listed = false;
    auto ran = OnModal<CFindDevicesDialog>([&](CFindDevicesDialog* finder) {
        FindControlAs<QLineEdit>(finder, kIdFindAddresses)->setText("1-3");
        FindControlAs<QCheckBox>(finder, kIdFindBaudFirst + 0)->setChecked(false);
        FindControlAs<QCheckBox>(finder, kIdFindBaudFirst + 4)->setChecked(true);  // 19200
        FindControlAs<QPushButton>(finder, kIdFindScan)->click();
        auto* results = FindControlAs<QTableWidget>(finder, kIdFindResults);
        // The scan runs on its own thread: the window keeps answering meanwhile.
        listed = WaitFor([&] {
            return results->rowCount() == 1 &&
                   FindControlAs<QPushButton>(finder, kIdFindScan)->isEnabled();
        });
        if (listed) {
            EXPECT_EQ(results->item(0, 0)->text(), QStringLiteral("2"));
            EXPECT_FALSE(results->item(0, 2)->text().isEmpty());
        }
        FindControlAs<QPushButton>(finder, kIdOk)->click();
    });
    FindControlAs<QPushButton>(&dialog, kIdConnectFindDevices)->click();
    EXPECT_TRUE(*ran);
    ASSERT_TRUE(listed);
    EXPECT_EQ(FindControlAs<QLineEdit>(&dialog, kIdConnectAddress)->text(), QStringLiteral("2"));
    EXPECT_EQ(FindControlAs<QComboBox>(&dialog, kIdConnectBaud)->currentIndex(), 4);
    EXPECT_EQ(FindControlAs<QComboBox>(&dialog, kIdConnectParity)->currentIndex(), 0);
    EXPECT_EQ(FindControlAs<QComboBox>(&dialog, kIdConnectStop)->currentIndex(), 1);
    EXPECT_EQ(FindControlAs<QComboBox>(&dialog, kIdConnectPort)->currentText(),
              QStringLiteral("BUS"));
    EXPECT_TRUE(FindControlAs<QRadioButton>(&dialog, kIdConnectModbusRtu)->isChecked());
}

TEST(FindDevices, CancelOfTheProgressEndsALongScanAtOnce) {
    BusDialog bus("39@200");
    CFindDevicesDialog finder(bus.settings);
    finder.show();
    FindControlAs<QCheckBox>(&finder, kIdFindBaudFirst + 0)->setChecked(false);
    FindControlAs<QCheckBox>(&finder, kIdFindBaudFirst + 4)->setChecked(true);
    FindControlAs<QPushButton>(&finder, kIdFindScan)->click();  // 1-247: 25 s if not stopped
    QProgressDialog* progress = nullptr;
    ASSERT_TRUE(WaitFor([&] {
        progress = finder.findChild<QProgressDialog*>();
        return progress && progress->isVisible() && progress->value() > 0;
    }));
    QElapsedTimer clock;
    clock.start();
    auto* cancel = progress->findChild<QPushButton*>();
    ASSERT_NE(cancel, nullptr);
    cancel->click();
    EXPECT_TRUE(
        WaitFor([&] { return FindControlAs<QPushButton>(&finder, kIdFindScan)->isEnabled(); }));
    EXPECT_LT(clock.elapsed(), 2000);
    EXPECT_EQ(FindControlAs<QTableWidget>(&finder, kIdFindResults)->rowCount(), 0);
    EXPECT_FALSE(FindControlAs<QPushButton>(&finder, kIdOk)->isEnabled());
}

}  // namespace
}  // namespace voltaro
