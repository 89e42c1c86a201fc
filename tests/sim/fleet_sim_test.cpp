// voltaro-sim --fleet in process: the devices behind one port answer by unit id, like a
// gateway, and what the simulator cannot serve is refused.
#include <gtest/gtest.h>
#include <unistd.h>

#include "core/app/fleet_file.h"
#include "core/comm/comm_test_util.h"
#include "core/model/device_registers.h"
#include "core/model/device_type.h"
#include "core/platform/private_exception.h"
#include "sim/fleet_sim.h"
#include "sim/raw_client.h"

namespace voltaro::sim {
namespace {

using test::Bytes;
using test::RawTcp;
using test::ReadPdu;

int FreePort() {
    uint16_t port = 0;
    ::close(voltaro::test::LoopbackSocket(-1, port));
    return port;
}

std::vector<FleetDevice> Devices(const std::string& text) {
    return ParseFleetFile("f.ini", text, CComSettings()).devices;
}

uint16_t Word(const Bytes& frame, std::size_t at) {
    return static_cast<uint16_t>(frame.at(at) << 8 | frame.at(at + 1));
}

TEST(FleetSimulator, UnitsBehindOneGatewayAnswerByUnitId) {
    const std::string port = std::to_string(FreePort());
    const std::string other = std::to_string(FreePort());
    SimulatorOptions base;
    base.line.turnaroundMs = 0;
    FleetSimulator fleet(
        Devices("[a]\ntcp = 127.0.0.1:" + port + "\nrow = 39\n" + "[b]\ntcp = 127.0.0.1:" + port +
                "\nunit = 2\nrow = 4\n" + "[c]\ntcp = 127.0.0.1:" + other + "\n"),
        base);
    const std::vector<std::string> endpoints = fleet.Start();
    EXPECT_EQ(endpoints, (std::vector<std::string>{"127.0.0.1:" + port, "127.0.0.1:" + other}));
    EXPECT_EQ(fleet.DeviceCount(), 3u);

    RawTcp tcp(std::stoi(port));
    const Bytes a = tcp.Exchange(ReadPdu(kDeviceIdRegister, 1), 1, 1);
    const Bytes b = tcp.Exchange(ReadPdu(kDeviceIdRegister, 1), 2, 2);
    ASSERT_EQ(a.size(), 11u);
    ASSERT_EQ(b.size(), 11u);
    EXPECT_EQ(a[6], 1);  // the unit id comes back
    EXPECT_EQ(b[6], 2);
    EXPECT_EQ(Word(a, 9), DeviceTypeTable()[39].deviceId);
    EXPECT_EQ(Word(b, 9), DeviceTypeTable()[4].deviceId);
    // No device behind unit 9: the gateway's exception, at once.
    const Bytes none = tcp.Exchange(ReadPdu(kDeviceIdRegister, 1), 3, 9);
    ASSERT_EQ(none.size(), 9u);
    EXPECT_EQ(none[7], 0x84);
    EXPECT_EQ(none[8], 0x0B);
    // Each device its own serial number; a device without `row` is the base row.
    EXPECT_NE(fleet.Registers("a", kSerialNumberRegister, 4),
              fleet.Registers("b", kSerialNumberRegister, 4));
    EXPECT_EQ(fleet.Registers("c", kDeviceIdRegister, 1)[0], DeviceTypeTable()[0].deviceId);
    fleet.Stop();
}

TEST(FleetSimulator, RefusesSerialDevicesAndAUnitServedTwice) {
    const SimulatorOptions base;
    try {
        FleetSimulator fleet(Devices("[a]\ntcp = h:502\n[b]\nserial = /dev/ttyS0\n"), base);
        ADD_FAILURE() << "a serial device was taken";
    } catch (const CPrivateException& e) {
        EXPECT_EQ(e.Message(), "[b]: voltaro-sim --fleet serves tcp devices only");
    }
    try {
        FleetSimulator fleet(Devices("[a]\ntcp = h:502\nunit = 3\n[b]\ntcp = H:502\nunit = 3\n"),
                             base);
        ADD_FAILURE() << "unit 3 was served twice";
    } catch (const CPrivateException& e) {
        EXPECT_EQ(e.Message(), "[b]: unit 3 of h:502 is already served for [a]");
    }
}

}  // namespace
}  // namespace voltaro::sim
