// voltaro-sim --bus: the device list, its refusals, and devices that keep their own state
// on one pseudo-terminal.
#include <gtest/gtest.h>

#include "core/comm/modbus_interface.h"
#include "core/model/device_registers.h"
#include "core/platform/private_exception.h"
#include "sim/options.h"
#include "sim/shared_bus.h"
#include "support/test_support.h"

namespace voltaro::sim::test {
namespace {

std::string ErrorOf(const std::vector<std::string>& args) {
    return voltaro::test::MessageOf([&] { ParseCommandLine(args); });
}

TEST(SharedBusOptions, ItemsNameRowAddressAndOptionallyTheirOwnLineSettings) {
    const CommandLine line =
        ParseCommandLine({"--pty", "BUS", "--bus", "4@1,64@5:19200/e,10@17:4800/O/2"});
    ASSERT_EQ(line.bus.size(), 3u);
    EXPECT_EQ(line.bus[0].row, 4);
    EXPECT_EQ(line.bus[0].unit, 1);
    EXPECT_FALSE(line.bus[0].line.has_value());
    ASSERT_TRUE(line.bus[1].line.has_value());
    EXPECT_EQ(line.bus[1].line->baud, 19200);
    EXPECT_EQ(line.bus[1].line->parity, 'E');
    EXPECT_EQ(line.bus[1].line->stopBits, 1);
    EXPECT_EQ(line.bus[2].line->parity, 'O');
    EXPECT_EQ(line.bus[2].line->stopBits, 2);
    EXPECT_FALSE(line.tcp) << "the bus is on the pseudo-terminal only";

    for (const char* bad : {"4", "4@", "4@0", "4@248", "79@1", "4@1,5@1", "4@1:9600/X",
                            "4@1:9600/N/3", "4@1:9600/N/1/1", "4@1:fast", ""}) {
        EXPECT_NE(ErrorOf({"--pty", "--bus", bad}), voltaro::test::kNoException) << bad;
    }
    EXPECT_NE(ErrorOf({"--pty", "--bus", "4@1,5@1"}).find("address 1"), std::string::npos);
    EXPECT_NE(ErrorOf({"--bus", "4@1"}).find("--pty"), std::string::npos);
    EXPECT_NE(ErrorOf({"--pty", "--tcp", "0", "--bus", "4@1"}).find("--pty"), std::string::npos);
}

TEST(SharedBus, EachDeviceAnswersItsOwnAddressFromItsOwnRegisters) {
    SimulatorOptions common;
    common.line.turnaroundMs = 0;
    SharedBus bus(common, ParseBusDevices("4@3,39@4,10@5:19200"));
    const std::string port = bus.StartPty("BUS-TEST-" + std::to_string(::getpid()));
    CComSettings settings;
    settings.comPortName = port;
    settings.baudrate = 3;  // 9600
    settings.parity = 0;
    CModbusInterface client(settings);
    client.timeouts.serialResponseMs = 200;
    client.timeouts.attempts = 1;
    const auto deviceId = [&](int address) {
        client.settings.address = address;
        client.Open();
        uint16_t id = 0;
        client.ReadHoldingRegisters(kDeviceIdRegister, 1, &id);
        client.Close();
        return id;
    };
    EXPECT_EQ(deviceId(3), bus.Type(0).deviceId);
    EXPECT_EQ(deviceId(4), bus.Type(1).deviceId);
    EXPECT_NE(bus.Type(0).deviceId, bus.Type(1).deviceId);
    EXPECT_THROW(deviceId(6), CPrivateException) << "nobody at 6";
    EXPECT_THROW(deviceId(5), CPrivateException) << "5 listens at 19200 only";
    client.settings.baudrate = 4;
    EXPECT_EQ(deviceId(5), bus.Type(2).deviceId);
    EXPECT_THROW(deviceId(3), CPrivateException) << "3 listens at 9600 only";
    bus.Stop();
    EXPECT_NE(bus.Summary().find("address 5 (row 10, 19200 N 1)"), std::string::npos)
        << bus.Summary();
}

}  // namespace
}  // namespace voltaro::sim::test
