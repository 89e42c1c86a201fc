// The Modbus client over TCP, against a scripted device on a loopback port.
#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "core/comm/modbus_interface.h"
#include "core/comm/modbus_reader.h"
#include "core/comm/tcp_device.h"
#include "core/device/device_identification.h"
#include "core/model/device_type.h"
#include "core/platform/cancelled.h"
#include "core/platform/private_exception.h"
#include "core/platform/sys_error.h"

namespace voltaro {
namespace {

using test::TcpDevice;
using Bytes = TcpDevice::Bytes;
using test::Clock;
using test::MessageOf;
using test::MsSince;

uint16_t Value(int address) {
    return static_cast<uint16_t>(address + 1000);
}

CComSettings TcpSettings(const std::string& port, const std::string& host = "127.0.0.1") {
    CComSettings s;
    s.mode = ModbusTcp;
    s.address = 5;
    s.serverAddress = host;
    s.servicePort = port;
    return s;
}

TcpDevice::Reply Good(const Bytes& request) {
    return {{TcpDevice::Answer(request, Value)}};
}

TEST(ModbusTcp, EnvelopeCounterAndValues) {
    TcpDevice device([](const Bytes& r, int) { return Good(r); });
    CModbusInterface client(TcpSettings(device.Port()));
    client.Open();
    SetTransactionCounter(0);
    uint16_t values[10] = {};
    client.ReadHoldingRegisters(0, 10, values);
    EXPECT_EQ(device.Requests()[0], (Bytes{0, 1, 0, 0, 0, 6, 5, 4, 0, 0, 0, 10}));
    EXPECT_EQ(values[9], Value(9));

    // The counter is process-wide and wraps: 65535 is followed by 0.
    SetTransactionCounter(65534);
    const uint32_t pair = 0x00010002;
    client.WriteRegisterPairs(4942, 1, &pair, false);
    client.ReadHoldingRegisters(3, 1, values);
    auto requests = device.Requests();
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(requests[1],
              (Bytes{0xFF, 0xFF, 0, 0, 0, 11, 5, 16, 0x13, 0x4E, 0, 2, 4, 0, 2, 0, 1}));
    EXPECT_EQ(requests[2][0] << 8 | requests[2][1], 0);
    EXPECT_EQ(values[0], Value(3));
    client.WriteRegisterPairs(4942, 1, &pair, true);
    Bytes swapped = device.Requests()[3];
    EXPECT_EQ(Bytes(swapped.begin() + 13, swapped.end()), (Bytes{0, 1, 0, 2}));
}

TEST(ModbusTcp, RegisterListsWithWordOrderAndStopFlags) {
    TcpDevice device([](const Bytes& r, int) { return Good(r); });
    CModbusInterface client(TcpSettings(device.Port()));
    client.Open();
    const RegisterBlock blocks[] = {{10, 2, 1}, {20, 1, 5}, {-1, 0, 0}};
    uint32_t values[6] = {};
    CModbusReader reader(client, values, false);
    EXPECT_TRUE(reader.Read(blocks));
    // Low half first: registers 10, 11 make the value 1011 << 16 | 1010.
    EXPECT_EQ(values[1], uint32_t{Value(11)} << 16 | Value(10));
    EXPECT_EQ(values[2], uint32_t{Value(13)} << 16 | Value(12));
    EXPECT_EQ(values[5], uint32_t{Value(21)} << 16 | Value(20));
    EXPECT_EQ(values[0], 0u);
    reader.swap = true;
    EXPECT_TRUE(reader.Read(blocks));
    EXPECT_EQ(values[5], uint32_t{Value(20)} << 16 | Value(21));
    EXPECT_EQ(device.Requests().size(), 4u);

    reader.stopB = true;
    EXPECT_FALSE(reader.Read(blocks));
    EXPECT_EQ(device.Requests().size(), 4u);
}

TEST(ModbusTcp, AnswerSplitAcrossSegmentsIsReassembled) {
    TcpDevice device([](const Bytes& r, int) {
        Bytes whole = TcpDevice::Answer(r, Value);
        return TcpDevice::Reply{{Bytes(whole.begin(), whole.begin() + 4),
                                 Bytes(whole.begin() + 4, whole.begin() + 10),
                                 Bytes(whole.begin() + 10, whole.end())}};
    });
    CModbusInterface client(TcpSettings(device.Port()));
    client.Open();
    uint16_t values[20] = {};
    client.ReadHoldingRegisters(200, 20, values);
    EXPECT_EQ(values[19], Value(219));
    EXPECT_EQ(device.Requests().size(), 1u);  // no retry was needed
}

TEST(ModbusTcp, WrongTransactionAndClosedConnection) {
    TcpDevice wrong(
        [](const Bytes& r, int) { return TcpDevice::Reply{{TcpDevice::Answer(r, Value, 1)}}; });
    CModbusInterface client(TcpSettings(wrong.Port()));
    client.Open();
    uint16_t v[2];
    EXPECT_EQ(MessageOf([&] { client.ReadHoldingRegisters(9, 2, v); }),
              "Modbus command failed. command=ReadHoldingRegister address=10 size=2 "
              "reason=invalid transaction.");
    client.Close();

    TcpDevice closing([](const Bytes&, int) { return TcpDevice::Reply{{}, true}; });
    CModbusInterface second(TcpSettings(closing.Port()));
    second.Open();
    auto start = Clock::now();
    EXPECT_EQ(MessageOf([&] { second.ReadHoldingRegisters(0, 1, v); }),
              "Modbus command failed. command=ReadHoldingRegister address=1 size=1 "
              "reason=timeout.");
    EXPECT_LT(MsSince(start), 1000);  // a closed connection ends each receive at once
}

// Late, doubled and garbled answers: each costs at most one retry, as on RTU.
TEST(ModbusTcp, StaleAnswersAreDroppedNotCarriedIntoTheNextRequest) {
    // The first answer comes after the time-out: the retry must not take it for its own.
    TcpDevice late([](const Bytes& r, int index) {
        if (index == 0) std::this_thread::sleep_for(std::chrono::milliseconds(150));
        return Good(r);
    });
    CModbusInterface client(TcpSettings(late.Port()));
    client.timeouts.tcpResponseMs = 100;
    client.Open();
    uint16_t v[2] = {};
    client.ReadHoldingRegisters(40, 2, v);
    EXPECT_EQ(v[1], Value(41));
    EXPECT_EQ(late.Requests().size(), 2u);
    client.ReadHoldingRegisters(50, 1, v);  // and the link is clean afterwards
    EXPECT_EQ(v[0], Value(50));
    EXPECT_EQ(late.Requests().size(), 3u);
    client.Close();

    // One request answered twice: the next request skips the extra copy, without a retry.
    TcpDevice doubled([](const Bytes& r, int index) {
        Bytes answer = TcpDevice::Answer(r, Value);
        if (index == 0) return TcpDevice::Reply{{answer, answer}};
        return TcpDevice::Reply{{answer}};
    });
    CModbusInterface second(TcpSettings(doubled.Port()));
    second.Open();
    second.ReadHoldingRegisters(7, 1, v);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));  // the copy has arrived
    second.ReadHoldingRegisters(8, 2, v);
    EXPECT_EQ(v[1], Value(9));
    EXPECT_EQ(doubled.Requests().size(), 2u);
    second.Close();

    // A garbled answer (cut short, then junk): one retry.
    TcpDevice garbled([](const Bytes& r, int index) {
        if (index == 0) {
            Bytes junk = {r[0], r[1], 0, 0, 0, 3, 5, 4, 2};
            junk.resize(64, 0xEE);
            return TcpDevice::Reply{{junk}};
        }
        return Good(r);
    });
    CModbusInterface third(TcpSettings(garbled.Port()));
    third.timeouts.tcpResponseMs = 200;
    third.Open();
    third.ReadHoldingRegisters(60, 1, v);
    EXPECT_EQ(v[0], Value(60));
    EXPECT_EQ(garbled.Requests().size(), 2u);
}

TEST(ModbusTcp, SilentServerIsCutByTheWatchdog) {
    TcpDevice silent([](const Bytes&, int) { return TcpDevice::Reply{}; });
    CModbusInterface client(TcpSettings(silent.Port()));
    client.timeouts.tcpResponseMs = 100;
    client.Open();
    uint16_t v[1];
    auto start = Clock::now();
    EXPECT_NE(MessageOf([&] { client.ReadHoldingRegisters(0, 1, v); }).find("reason=timeout"),
              std::string::npos);
    EXPECT_GE(MsSince(start), 300);
    EXPECT_EQ(client.WatchdogExpiries(), 3u);
    EXPECT_EQ(silent.Requests().size(), 3u);
}

std::size_t ThreadsOfThisProcess() {
    const std::filesystem::directory_iterator tasks("/proc/self/task");
    return static_cast<std::size_t>(std::distance(begin(tasks), end(tasks)));
}

TEST(ModbusTcp, WatchdogNeedsNoThreadAndStaleAnswersDoNotExtendIt) {
    // Every request is answered only by a trickle of stale answers (one every 20 ms for
    // 600 ms): each one must not restart the wait for the right answer.
    TcpDevice stale([](const Bytes& r, int) {
        TcpDevice::Reply reply;
        reply.segments.assign(30, TcpDevice::Answer(r, Value, -1));
        return reply;
    });
    const std::size_t threads = ThreadsOfThisProcess();
    CModbusInterface client(TcpSettings(stale.Port()));
    client.timeouts.tcpResponseMs = 100;
    client.Open();
    EXPECT_EQ(ThreadsOfThisProcess(), threads);  // the watchdog is the receive's own deadline
    uint16_t v[1];
    auto start = Clock::now();
    EXPECT_NE(MessageOf([&] { client.ReadHoldingRegisters(0, 1, v); }).find("reason=timeout"),
              std::string::npos);
    EXPECT_LT(MsSince(start), 1000);
    EXPECT_EQ(client.WatchdogExpiries(), 3u);
    EXPECT_EQ(ThreadsOfThisProcess(), threads);
}

TEST(ModbusTcp, CancelEndsABlockedReceiveAtOnce) {
    TcpDevice silent([](const Bytes&, int) { return TcpDevice::Reply{}; });
    CModbusInterface client(TcpSettings(silent.Port()));  // 5 s watchdog
    client.Open();
    std::thread user([&] {
        silent.WaitForRequests(1);
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        client.RequestAbort();
    });
    uint16_t v[1];
    auto start = Clock::now();
    // The cut-short receive is the Cancel, not a time-out to report.
    EXPECT_THROW(client.ReadHoldingRegisters(0, 1, v), CCancelled);
    user.join();
    EXPECT_LT(MsSince(start), 1000);
    EXPECT_EQ(silent.Requests().size(), 1u);  // not retried

    // The next operation starts clean.
    client.timeouts.tcpResponseMs = 50;
    EXPECT_NE(MessageOf([&] { client.ReadHoldingRegisters(0, 1, v); }).find("timeout"),
              std::string::npos);
    EXPECT_EQ(silent.Requests().size(), 4u);
}

TEST(ModbusTcp, ConnectionFailures) {
    CModbusInterface unknown(TcpSettings("502", "no-such-host.invalid"));
    std::string message = MessageOf([&] { unknown.Open(); });
    EXPECT_EQ(message.rfind("Modbus-TCP Error. ", 0), 0u) << message;
    EXPECT_TRUE(message == "Modbus-TCP Error. " + ResolverErrorText(EAI_NONAME) ||
                message == "Modbus-TCP Error. " + ResolverErrorText(EAI_AGAIN))
        << message;
    EXPECT_FALSE(unknown.IsOpen());

    // A port nobody listens on refuses at once.
    uint16_t unused = 0;
    ::close(test::LoopbackSocket(-1, unused));
    const std::string freePort = std::to_string(unused);
    CModbusInterface refused(TcpSettings(freePort));
    EXPECT_EQ(MessageOf([&] { refused.Open(); }),
              "Modbus-TCP Error. " + SystemErrorText(ECONNREFUSED));
}

TEST(ModbusTcp, ConnectIsBoundedAndCancellable) {
    // A listener whose backlog is full drops further connection requests unanswered.
    uint16_t listening = 0;
    int listener = test::LoopbackSocket(0, listening);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = htons(listening);
    std::vector<int> fillers;
    for (int i = 0; i < 4; ++i) {
        int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
        ::connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a);
        fillers.push_back(fd);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    const std::string port = std::to_string(listening);

    CModbusInterface bounded(TcpSettings(port));
    bounded.timeouts.connectMs = 200;
    auto start = Clock::now();
    EXPECT_EQ(MessageOf([&] { bounded.Open(); }),
              "Modbus-TCP Error. " + SystemErrorText(ETIMEDOUT));
    EXPECT_GE(MsSince(start), 200);
    EXPECT_LT(MsSince(start), 1500);

    CModbusInterface cancelled(TcpSettings(port));  // 5 s bound
    std::thread user([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        cancelled.RequestAbort();
    });
    start = Clock::now();
    EXPECT_THROW(cancelled.Open(), CCancelled);
    user.join();
    EXPECT_LT(MsSince(start), 1500);
    for (int fd : fillers)
        ::close(fd);
    ::close(listener);
}

TEST(ModbusTcp, IdentifiesADevice) {
    const DeviceTypeRecord& row = DeviceTypeTable()[0];
    static uint16_t registers[10000];
    registers[9600] = row.deviceId;
    registers[9601] = row.versionMin;
    registers[9622] = static_cast<uint16_t>(row.extensionId | 0x8000);  // masked away
    for (int i = 0; i < 5; ++i)
        registers[9623 + i] = row.ioConfigA[i];
    TcpDevice device([](const Bytes& r, int) {
        return TcpDevice::Reply{{TcpDevice::Answer(r, [](int a) { return registers[a]; })}};
    });
    CModbusInterface client(TcpSettings(device.Port()));
    client.Open();
    const CDeviceType type = ReadFromDevice(client);
    EXPECT_EQ(type.typeIndex, 0);
    EXPECT_EQ(type.deviceId, row.deviceId);
    EXPECT_EQ(device.Requests().size(), 4u);

    registers[9600] = 0xBEEF;  // no row carries this id
    EXPECT_EQ(MessageOf([&] { ReadFromDevice(client); }),
              "This device is not supported. (device id=48879, extension id=" +
                  std::to_string(row.extensionId) + ")");
}

}  // namespace
}  // namespace voltaro
