// "Find devices...": what the scan covers for the Connect dialog's controls, and how a
// device found fills the dialog again.
#include <gtest/gtest.h>

#include "core/app/connect_model.h"
#include "core/app/find_devices_model.h"
#include "core/platform/message_format.h"
#include "core/platform/scan_text_ids.h"

namespace voltaro {
namespace {

TEST(FindDevicesModel, ScansTheSelectedPortOrHostWhateverTheAddressFieldHolds) {
    const PortList ports{{"/dev/ttyS0", "COM1"}, {"/tmp/bus", "BUS"}};
    CComSettings stored;
    stored.address = 9;
    ConnectInput input;
    input.mode = ModbusRtu;
    input.address = "not yet typed";
    input.port = 1;
    input.baudrate = 4;
    input.parity = 2;
    input.stop = 0;
    const CComSettings serial = ScanTargetOf(stored, input, ports);
    EXPECT_EQ(serial.comPortName, "/tmp/bus");
    EXPECT_EQ(serial.baudrate, 4);
    CFindDevicesModel model(serial);
    EXPECT_FALSE(model.Tcp());
    EXPECT_EQ(model.TargetText(), FormatMessageId(kUiScanTargetSerial, {"BUS"}));
    EXPECT_TRUE(model.BaudTicked(4));
    EXPECT_FALSE(model.BaudTicked(3));

    // The ticked rates at the dialog's parity and stop bits.
    ScanPlan plan;
    EXPECT_EQ(model.BuildPlan("3-4", {1, 4}, plan), "");
    EXPECT_EQ(plan.addresses, (std::vector<int>{3, 4}));
    EXPECT_EQ(plan.lines, (std::vector<ScanLine>{{1, 2, 0}, {4, 2, 0}}));
    // Nothing ticked or a bad range: refused, the plan kept.
    EXPECT_EQ(model.BuildPlan("1-3", {}, plan), FormatMessageId(kMsgScanBaudListInvalid, {""}));
    EXPECT_EQ(model.BuildPlan("1-300", {3}, plan),
              FormatMessageId(kMsgScanAddressListInvalid, {"1-300"}));
    EXPECT_EQ(plan.addresses, (std::vector<int>{3, 4}));

    input.mode = ModbusTcp;
    input.serverAddress = "192.0.2.7";
    input.servicePort = "5020";
    CFindDevicesModel tcp(ScanTargetOf(stored, input, ports));
    EXPECT_TRUE(tcp.Tcp());
    EXPECT_FALSE(tcp.BaudsEnabled());
    EXPECT_EQ(tcp.TargetText(), FormatMessageId(kUiScanTargetTcp, {"192.0.2.7", "5020"}));
    EXPECT_EQ(tcp.BuildPlan("1,2", {}, plan), "") << "no rates over TCP";
    EXPECT_TRUE(plan.lines.empty());
}

TEST(FindDevicesModel, AFoundDeviceSelectsItsAddressAndLineSettings) {
    ScanFinding found;
    found.settings.mode = ModbusRtu;
    found.address = 17;
    found.line = {5, 1, 1};
    found.identified = true;
    found.model = "KT2 model";
    const ConnectChoice choice = CFindDevicesModel::ChoiceOf(found);
    EXPECT_EQ(choice.mode, ModbusRtu);
    EXPECT_EQ(choice.address, 17);
    EXPECT_EQ(choice.baudrate, 5);
    EXPECT_EQ(choice.parity, 1);
    EXPECT_EQ(choice.stop, 1);

    CComSettings serial;
    const auto row = CFindDevicesModel(serial).RowTexts(found);
    EXPECT_EQ(row, (std::vector<std::string>{"17", ScanLineText(found.line), "KT2 model"}));
    found.identified = false;
    found.reason = "not identified: no";
    found.settings.mode = ModbusTcp;
    serial.mode = ModbusTcp;
    EXPECT_EQ(CFindDevicesModel(serial).RowTexts(found),
              (std::vector<std::string>{"17", "", "not identified: no"}));
    EXPECT_EQ(CFindDevicesModel::ChoiceOf(found).mode, ModbusTcp);
    EXPECT_EQ(CFindDevicesModel::ProgressPercent(5, 20), 25);
    EXPECT_EQ(CFindDevicesModel::ProgressPercent(0, 0), 100);
}

}  // namespace
}  // namespace voltaro
