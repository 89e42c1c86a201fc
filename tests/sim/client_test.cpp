// The simulator seen through the program's own Modbus client: identification of every
// listed row, and each injected fault observed as the client reports it.
#include <gtest/gtest.h>

#include <functional>

#include "core/comm/modbus_interface.h"
#include "core/device/device_identification.h"
#include "core/model/device_type.h"
#include "core/platform/private_exception.h"
#include "sim/simulator.h"
#include "support/test_support.h"

namespace voltaro::sim::test {
namespace {

using voltaro::test::kNoException;
using voltaro::test::MessageOf;

SimulatorOptions Row(int row, const FaultSettings& faults = {}, uint64_t seed = 1) {
    SimulatorOptions options;
    options.device.row = row;
    options.line.turnaroundMs = 0;
    options.faults = faults;
    options.seed = seed;
    return options;
}

CComSettings TcpSettings(int port) {
    CComSettings s;
    s.mode = ModbusTcp;
    s.serverAddress = "127.0.0.1";
    s.servicePort = std::to_string(port);
    return s;
}

CComSettings RtuSettings(const std::string& path) {
    CComSettings s;
    s.mode = ModbusRtu;
    s.comPortName = path;
    s.comPortDisplayName = "simulator";
    s.baudrate = 5;
    return s;
}

struct Client : CModbusInterface {
    explicit Client(const CComSettings& s) : CModbusInterface(s) {
        timeouts.tcpResponseMs = 150;
        timeouts.serialScale = 0.05;
    }
};

TEST(SimClient, EveryListedRowIdentifiesThroughTheClient) {
    for (const ModelPair& pair : ModelPairTable()) {
        Simulator sim(Row(pair.row));
        Client client(TcpSettings(sim.StartTcp()));
        client.Open();
        const CDeviceType type = ReadFromDevice(client);
        client.Close();
        EXPECT_EQ(type.typeIndex, pair.row);
    }
}

TEST(SimClient, RetriesRecoverFromDrops) {
    FaultSettings faults;
    faults.drop = 0.3;
    Simulator sim(Row(39, faults, 11));
    Client client(TcpSettings(sim.StartTcp()));
    client.Open();
    uint16_t version = 0;
    for (int i = 0; i < 8; ++i) {
        ASSERT_TRUE(client.ReadHoldingRegisters(9601, 1, &version));
        EXPECT_EQ(version, 300);
    }
    client.Close();
    EXPECT_GT(sim.Counts().dropped, 0u);
}

TEST(SimClient, FaultsAsTheClientReportsThem) {
    FaultSettings faults;
    faults.exceptions.push_back({6, 9601, 9601});
    Simulator sim(Row(39, faults));
    Client client(TcpSettings(sim.StartTcp()));
    uint16_t value = 0;
    const auto read = [&] {
        client.Open();
        client.ReadHoldingRegisters(9601, 1, &value);
        client.Close();
    };
    EXPECT_NE(MessageOf(read).find("address=9602 size=1 reason=receive exception 6"),
              std::string::npos);
    faults = FaultSettings{};
    faults.wrongTransaction = 1;
    sim.SetFaults(faults);
    EXPECT_NE(MessageOf(read).find("reason=invalid transaction"), std::string::npos);
    faults = FaultSettings{};
    faults.shortAnswer = 1;
    sim.SetFaults(faults);
    EXPECT_NE(MessageOf(read).find("reason=invalid response"), std::string::npos);
    faults = FaultSettings{};
    faults.drop = 1;
    sim.SetFaults(faults);
    EXPECT_NE(MessageOf(read).find("reason=timeout"), std::string::npos);
    sim.ClearFaults();
    EXPECT_EQ(MessageOf(read), kNoException);
    EXPECT_EQ(value, 300);
}

TEST(SimClient, RtuCrcErrorAndUnlockedWriteOverPty) {
    FaultSettings faults;
    faults.corruptCrc = 1;
    SimulatorOptions options = Row(70, faults);
    options.device.passcode = 4711;
    Simulator sim(options);
    Client client(RtuSettings(sim.StartPty("VOLTARO-SIM-CLIENT-" + std::to_string(getpid()))));
    uint16_t value = 0;
    client.Open();
    EXPECT_NE(
        MessageOf([&] { client.ReadHoldingRegisters(9601, 1, &value); }).find("reason=crc error"),
        std::string::npos);
    sim.ClearFaults();
    ASSERT_TRUE(client.ReadHoldingRegisters(9601, 1, &value));
    EXPECT_EQ(value, 240);
    const uint16_t interval[2] = {10, 10};
    EXPECT_NE(MessageOf([&] {
                  client.WriteMultipleRegisters(5856, 2, interval);
              }).find("reason=receive exception 4"),
              std::string::npos);
    const uint32_t passcode = 4711;
    const uint16_t unlock = 1;
    ASSERT_TRUE(client.WriteRegisterPairs(4942, 1, &passcode, false));
    ASSERT_TRUE(client.WriteMultipleRegisters(4944, 1, &unlock));
    ASSERT_TRUE(client.ReadHoldingRegisters(4944, 1, &value));
    EXPECT_EQ(value, 1);
    EXPECT_TRUE(client.WriteMultipleRegisters(5856, 2, interval));
    client.Close();
    EXPECT_EQ(sim.Register(5856), 10);
}

}  // namespace
}  // namespace voltaro::sim::test
