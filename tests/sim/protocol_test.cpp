// The simulator's protocol seen from raw bytes: identification of every row, exception
// answers and limits, MBAP segmentation, concurrent clients and RTU framing on a pty.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <thread>

#include "core/comm/crc16.h"
#include "core/device/device_identification.h"
#include "core/model/device_type.h"
#include "core/platform/private_exception.h"
#include "core/platform/temp_dir.h"
#include "raw_client.h"
#include "sim/simulator.h"
#include "support/scoped_env.h"

namespace voltaro::sim::test {
namespace {

TEST(SimProtocol, EveryRowIdentifiesAsItself) {
    for (const DeviceTypeRecord& record : DeviceTypeTable()) {
        Simulator sim(Row(record.index));
        TcpRegisterReader reader(sim.StartTcp());
        if (record.features == 0 && record.family == 0) continue;
        const CDeviceType identified = ReadFromDevice(reader);
        EXPECT_EQ(identified.typeIndex, record.index) << "row " << record.index;
    }
}

TEST(SimProtocol, IdentificationRegistersCarryTextLowByteFirst) {
    SimulatorOptions options = Row(61);
    options.device.serial = "AB123456";
    options.device.tag = "Feeder 7";
    Simulator sim(options);
    RawTcp tcp(sim.StartTcp());
    const auto regs = Registers(tcp.Request(ReadPdu(9600, 28)));
    ASSERT_EQ(regs.size(), 28u);
    EXPECT_EQ(regs[0], 7861);
    EXPECT_EQ(regs[2], 'A' | 'B' << 8);
    EXPECT_EQ(regs[6], 'F' | 'e' << 8);
    EXPECT_EQ(regs[10], 0);  // tag ends: padded with zero bytes
    EXPECT_EQ(regs[22], 0x0400);
    EXPECT_EQ(regs[26], 8);  // measuring inputs
}

TEST(SimProtocol, ExceptionAnswersAndLimits) {
    Simulator sim(Row(39));
    RawTcp tcp(sim.StartTcp());
    EXPECT_EQ(tcp.Request({3, 0, 0, 0, 1}), (Bytes{0x83, 1}));      // other function
    EXPECT_EQ(tcp.Request(ReadPdu(0, 0)), (Bytes{0x84, 3}));        // quantity 0
    EXPECT_EQ(tcp.Request(ReadPdu(1536, 126)), (Bytes{0x84, 3}));   // above 125
    EXPECT_EQ(tcp.Request(ReadPdu(12345, 1)), (Bytes{0x84, 2}));    // not in the map
    EXPECT_EQ(tcp.Request(ReadPdu(9620, 10)), (Bytes{0x84, 2}));    // runs past the map
    EXPECT_EQ(tcp.Request(WritePdu(9600, {1})), (Bytes{0x90, 2}));  // read-only
    EXPECT_EQ(tcp.Request(WritePdu(9606, std::vector<uint16_t>(124, 0))), (Bytes{0x90, 3}));
    Bytes badCount = WritePdu(9606, {1, 2});
    badCount[5] = 3;
    EXPECT_EQ(tcp.Request(badCount), (Bytes{0x90, 3}));
    EXPECT_EQ(tcp.Request(ReadPdu(1536, 30)).size(), 62u);
    EXPECT_EQ(tcp.Request(WritePdu(9606, {0x4142})), (Bytes{0x10, 0x25, 0x86, 0, 1}));
}

// A value that its parameter does not take is refused with 03 and changes nothing, also
// inside a longer write; the values it takes are written.
TEST(SimProtocol, ValuesAParameterDoesNotTakeAreRefused) {
    Simulator sim(Row(40));
    RawTcp tcp(sim.StartTcp());
    EXPECT_EQ(tcp.Request(WritePdu(5200, {3})), (Bytes{0x90, 3}));  // operation mode 0-2
    EXPECT_EQ(tcp.Request(WritePdu(5200, {0xFFFF})), (Bytes{0x90, 3}));
    EXPECT_EQ(tcp.Request(WritePdu(5200, {0, 1, 70})), (Bytes{0x90, 3}));  // 5202: 70
    EXPECT_EQ(sim.Register(5200), 0);
    EXPECT_EQ(tcp.Request(WritePdu(5200, {2, 1})), (Bytes{0x10, 0x14, 0x50, 0, 2}));
    EXPECT_EQ(sim.Register(5200), 2);
}

TEST(SimProtocol, LenientMapReadsZeroAndTakesWrites) {
    SimulatorOptions options = Row(39);
    options.device.lenient = true;
    Simulator sim(options);
    RawTcp tcp(sim.StartTcp());
    const auto regs = Registers(tcp.Request(ReadPdu(10000, 125)));
    EXPECT_EQ(regs, std::vector<uint16_t>(125, 0));
    EXPECT_EQ(tcp.Request(WritePdu(10000, std::vector<uint16_t>(123, 7)))[0], 0x10);
    EXPECT_EQ(tcp.Request(WritePdu(9600, {1})), (Bytes{0x90, 2}));  // known read-only stays so
}

TEST(SimProtocol, SplitAndCoalescedMbapRequests) {
    Simulator sim(Row(39));
    RawTcp tcp(sim.StartTcp());
    const Bytes request{0, 7, 0, 0, 0, 6, 1, 4, 0x25, 0x81, 0, 1};
    tcp.Send(Bytes(request.begin(), request.begin() + 5));
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    tcp.Send(Bytes(request.begin() + 5, request.end()));
    EXPECT_EQ(tcp.Receive(11), (Bytes{0, 7, 0, 0, 0, 5, 1, 4, 2, 0x01, 0x2C}));
    Bytes two(2 * request.size());
    std::copy(request.begin(), request.end(), two.begin());
    std::copy(request.begin(), request.end(), two.begin() + 12);
    two[13] = 8;  // second transaction id
    tcp.Send(two);
    const Bytes answers = tcp.Receive(22);
    ASSERT_EQ(answers.size(), 22u);
    EXPECT_EQ(answers[1], 7);
    EXPECT_EQ(answers[12], 8);
}

// A burst of clients connecting at once is taken in without the one-second wait of a
// dropped connection request (a short listen queue drops them).
TEST(SimProtocol, BurstOfConnectionsIsTakenAtOnce) {
    Simulator sim(Row(70));
    const int port = sim.StartTcp();
    constexpr int kClients = 200;
    std::vector<int> sockets;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    for (int i = 0; i < kClients; ++i) {
        const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        ASSERT_GE(fd, 0);
        ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address);
        sockets.push_back(fd);
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(800);
    int connected = 0;
    for (const int fd : sockets) {
        pollfd p{fd, POLLOUT, 0};
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        int error = -1;
        socklen_t length = sizeof error;
        if (::poll(&p, 1, std::max(0, static_cast<int>(left.count()))) == 1 &&
            ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) == 0 && error == 0)
            ++connected;
    }
    for (const int fd : sockets)
        ::close(fd);
    EXPECT_EQ(connected, kClients);
}

TEST(SimProtocol, TwoClientsAtOnce) {
    Simulator sim(Row(70));
    const int port = sim.StartTcp();
    RawTcp first(port), second(port);
    int ok = 0;
    std::thread other([&] {
        for (int i = 0; i < 200; ++i)
            ok += Registers(second.Request(ReadPdu(9601, 1)))[0] == 240;
    });
    for (int i = 0; i < 200; ++i)
        EXPECT_EQ(Registers(first.Request(ReadPdu(9600, 1)))[0], 7811);
    other.join();
    EXPECT_EQ(ok, 200);
    EXPECT_GE(sim.Counts().connections, 2u);
}

TEST(SimProtocol, RtuFramingOnPty) {
    SimulatorOptions options = Row(4);
    options.device.unit = 5;
    Simulator sim(options);
    const std::string slave = sim.StartPty("VOLTARO-SIM-TEST-" + std::to_string(getpid()));
    ASSERT_FALSE(sim.LinkPath().empty());
    char target[256] = {};
    ASSERT_GT(readlink(sim.LinkPath().c_str(), target, sizeof target - 1), 0);
    EXPECT_EQ(slave, target);
    RawRtu rtu(slave);
    const Bytes answer = rtu.Exchange(5, ReadPdu(9600, 2), 9);
    ASSERT_EQ(answer.size(), 9u);
    EXPECT_EQ(answer[0], 5);
    EXPECT_EQ(Crc16(answer.data(), 7), answer[7] | answer[8] << 8);
    EXPECT_EQ(answer[3] << 8 | answer[4], 7811);
    EXPECT_TRUE(rtu.Exchange(6, ReadPdu(9600, 1), 7).empty());  // another unit: silent
    Bytes bad{5, 4, 0x25, 0x80, 0, 1, 0, 0};
    rtu.Send(bad);
    EXPECT_TRUE(rtu.Receive(7).empty());  // bad CRC: silent, like a real device
    const Bytes exception = rtu.Exchange(5, {3, 0, 0, 0, 1}, 5);  // ended by the silence
    ASSERT_EQ(exception.size(), 5u);
    EXPECT_EQ(exception[1], 0x83);
    EXPECT_EQ(exception[2], 1);
    const Bytes written = rtu.Exchange(5, WritePdu(9606, {0x4142, 0x4344}), 8);
    ASSERT_EQ(written.size(), 8u);
    EXPECT_EQ(written[1], 16);
    const auto counts = sim.Counts();
    EXPECT_EQ(counts.badCrc, 1u);
    EXPECT_EQ(counts.otherUnit, 1u);
    const std::string link = sim.LinkPath();
    sim.Stop();
    EXPECT_NE(access(link.c_str(), F_OK), 0);  // the symlink is gone
}

// A port folder that other users may write to is refused, not used: a link planted there
// could send the port anywhere.
TEST(SimProtocol, RtuPortIsNotPublishedInAFolderOthersMayWriteTo) {
    voltaro::test::TempDir dir;
    voltaro::test::ScopedEnv runtime("XDG_RUNTIME_DIR", dir.Path().c_str());
    const std::string ports = dir.File("voltaro-ports");
    ASSERT_EQ(::mkdir(ports.c_str(), 0777), 0);
    ASSERT_EQ(::chmod(ports.c_str(), 0777), 0);
    Simulator sim(Row(4));
    try {
        sim.StartPty("VOLTARO-SIM-SHARED");
        ADD_FAILURE() << "published in a shared folder";
    } catch (const CPrivateException& e) {
        EXPECT_NE(std::string(e.what()).find("not private"), std::string::npos) << e.what();
    }
    EXPECT_NE(::access((ports + "/VOLTARO-SIM-SHARED").c_str(), F_OK), 0);
}

TEST(SimProtocol, IncompleteRtuFrameIsDroppedAfterSilence) {
    Simulator sim(Row(4));
    RawRtu rtu(sim.StartPty("VOLTARO-SIM-TEST2-" + std::to_string(getpid())));
    rtu.Send({1, 4, 0x25});  // a broken-off request
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    const Bytes answer = rtu.Exchange(1, ReadPdu(9601, 1), 7);
    ASSERT_EQ(answer.size(), 7u);
    EXPECT_EQ(answer[3] << 8 | answer[4], 239);
}

}  // namespace
}  // namespace voltaro::sim::test
