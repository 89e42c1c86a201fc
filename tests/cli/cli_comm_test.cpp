// voltaro-cli ports / identify / read, run as a process against a loopback device.
#include <gtest/gtest.h>

#include <string>

#include "core/comm/tcp_device.h"
#include "core/model/device_type.h"
#include "support/cli_run.h"

namespace voltaro {
namespace {

using test::CliRun;
using test::RunCli;
using test::TcpDevice;

// Outputs below are compared with the program's errors in them.
constexpr bool kWithErrors = true;

uint16_t Identity(int address) {
    const DeviceTypeRecord& row = DeviceTypeTable()[0];
    if (address == 9600) return row.deviceId;
    if (address == 9601) return 102;
    if (address >= 9622 && address <= 9627) return 0;
    return static_cast<uint16_t>(address * 2);
}

TEST(CliComm, ReadAndIdentifyOverTcp) {
    TcpDevice device([](const TcpDevice::Bytes& r, int) {
        return TcpDevice::Reply{{TcpDevice::Answer(r, Identity)}};
    });
    const std::string tcp = "--tcp 127.0.0.1:" + device.Port();

    CliRun readRun = RunCli("read 100 2 " + tcp + " --address 9", kWithErrors);
    EXPECT_EQ(readRun.status, 0) << readRun.out;
    EXPECT_EQ(readRun.out, "100\t200\t0x00C8\n101\t202\t0x00CA\n");
    EXPECT_EQ(device.Requests()[0][6], 9);  // unit address from --address

    CliRun identify = RunCli("identify " + tcp, kWithErrors);
    EXPECT_EQ(identify.status, 0) << identify.out;
    EXPECT_NE(identify.out.find("version: 1.02\n"), std::string::npos) << identify.out;
    EXPECT_NE(identify.out.find("catalogue row: 0\n"), std::string::npos) << identify.out;
    EXPECT_NE(identify.out.find("model: KT2"), std::string::npos) << identify.out;
}

TEST(CliComm, BadOptionsAndDeviceFailures) {
    EXPECT_EQ(RunCli("read 1 2 --baud 1234").status, 2);
    EXPECT_EQ(RunCli("read 1 2 --parity mark").status, 2);
    EXPECT_EQ(RunCli("read 1 2 --address 248").status, 2);
    EXPECT_EQ(RunCli("read 1 --tcp 127.0.0.1").status, 2);
    for (const char* port : {"80556", "0", "65536"})  // once wrapped to another port
        EXPECT_EQ(RunCli(std::string("read 1 2 --tcp 127.0.0.1:") + port).status, 2) << port;
    EXPECT_EQ(RunCli("read 1 2 --stop").status, 2);

    CliRun missing = RunCli("read 1 2 --serial /dev/voltaro-no-such-port", kWithErrors);
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.out.find("Communication port /dev/voltaro-no-such-port can not be opened."),
              std::string::npos)
        << missing.out;

    CliRun ports = RunCli("ports");
    EXPECT_EQ(ports.status, 0);
    // COM1 carries the device path beside its name where the machine has a real ttyS0.
    EXPECT_EQ(ports.out.find("\n0\tCOM1"), ports.out.find('\n')) << ports.out;
    EXPECT_NE(ports.out.find("\tCOM1\n1\tCOM2"), std::string::npos) << ports.out;
    EXPECT_NE(ports.out.find("11\tCOM12\t\\\\.\\COM12\n"), std::string::npos) << ports.out;
}

}  // namespace
}  // namespace voltaro
