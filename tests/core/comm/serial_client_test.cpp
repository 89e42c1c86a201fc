// The Modbus client over the serial line, against a scripted device on a pseudo-terminal.
#include <fcntl.h>
#include <stdlib.h>
#include <termios.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "core/comm/modbus_interface.h"
#include "core/comm/pty_device.h"
#include "core/comm/serial_io.h"
#include "core/platform/cancelled.h"
#include "core/platform/message_ids.h"
#include "core/platform/private_exception.h"
#include "core/platform/string_table.h"

namespace voltaro {
namespace {

using test::AnswerTo;
using test::Bytes;
using test::Clock;
using test::MessageOf;
using test::MsSince;
using test::PtyDevice;

CComSettings SerialSettings(const std::string& path, int mode = ModbusRtu) {
    CComSettings s;
    s.mode = mode;
    s.address = 7;
    s.comPortName = s.irComPortName = path;
    s.comPortDisplayName = "RS-485 adapter (pts)";
    s.irComPortDisplayName = "IR adapter (pts)";
    s.baudrate = 5;
    return s;
}

// A client with time-outs cut to a twentieth so that silent devices cost little.
struct Client : CModbusInterface {
    explicit Client(const CComSettings& s, double scale = 0.05) : CModbusInterface(s) {
        timeouts.serialScale = scale;
    }
};

TEST(SerialLine, SettingsTablesAndPaths) {
    CComSettings s;
    s.mode = Infrared;
    s.baudrate = 5;
    s.parity = 2;
    s.stop = 1;
    EXPECT_EQ(LineSettingsFor(s), (SerialLineSettings{1200, 8, 1, 1}));
    s.mode = ModbusRtu;
    EXPECT_EQ(LineSettingsFor(s), (SerialLineSettings{38400, 8, 2, 2}));
    s.baudrate = 6;
    s.stop = 2;
    s.character = 2;
    s.parity = 0;
    EXPECT_EQ(LineSettingsFor(s), (SerialLineSettings{1200, 7, 0, 1}));

    EXPECT_EQ(SerialDevicePath("COM1"), "/dev/ttyS0");
    EXPECT_EQ(SerialDevicePath("\\\\.\\COM12"), "/dev/ttyS11");
    EXPECT_EQ(SerialDevicePath("com3"), "/dev/ttyS2");
    EXPECT_EQ(SerialDevicePath("/dev/ttyUSB0"), "/dev/ttyUSB0");
    EXPECT_EQ(SerialDevicePath("COMX"), "COMX");
}

// An unplugged adapter and an unchosen port are told as such, not as a settings problem
// or as "Communication port  can not be opened." without a name.
TEST(SerialLine, VanishedAndUnchosenPortsAreNamed) {
    CSerialIO none;
    none.settings = SerialSettings("");
    EXPECT_EQ(MessageOf([&] { none.Open(); }), LoadString(kMsgNoPortChosen));

    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(master, 0);
    ASSERT_EQ(::grantpt(master), 0);
    ASSERT_EQ(::unlockpt(master), 0);
    CSerialIO port;
    port.settings = SerialSettings(::ptsname(master));
    port.OpenAndConfigure();
    ::close(master);  // the adapter is pulled out
    const uint8_t frame[] = {1, 3, 0, 0, 0, 1, 0x84, 0x0A};
    const std::string message = MessageOf([&] { port.Write(frame, sizeof frame); });
    EXPECT_NE(message.find("RS-485 adapter (pts) can not be used any more"), std::string::npos)
        << message;
}

TEST(SerialLine, InfraredOpensAt1200Odd8N1AndTalksToUnitOne) {
    PtyDevice device([](const Bytes& r, int) { return FrameRtu(AnswerTo(r)); });
    CComSettings s = SerialSettings(device.SlavePath(), Infrared);
    s.parity = 2;
    s.stop = 1;
    Client client(s);
    client.Open();
    termios t{};
    ASSERT_EQ(::tcgetattr(device.keeperFd(), &t), 0);
    EXPECT_EQ(cfgetospeed(&t), B1200);
    EXPECT_FALSE(t.c_lflag & ICANON);
    EXPECT_FALSE(t.c_iflag & IXON);
    // A pseudo-terminal keeps no parity or character size, so check those on the record.
    termios wanted{};
    ASSERT_TRUE(MakeRawTermios(wanted, LineSettingsFor(s)));
    EXPECT_EQ(wanted.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_TRUE((wanted.c_cflag & PARENB) && (wanted.c_cflag & PARODD));
    EXPECT_FALSE(wanted.c_cflag & (CSTOPB | CRTSCTS));
    ASSERT_TRUE(MakeRawTermios(wanted, {19200, 7, 2, 2}));
    EXPECT_EQ(wanted.c_cflag & CSIZE, static_cast<tcflag_t>(CS7));
    EXPECT_TRUE((wanted.c_cflag & PARENB) && !(wanted.c_cflag & PARODD));
    EXPECT_TRUE(wanted.c_cflag & CSTOPB);

    // 20 registers on infra-red: requests of 8, 8 and 4.
    uint16_t values[20] = {};
    client.ReadHoldingRegisters(100, 20, values);
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(values[i], test::RegisterValue(100 + i));
    auto requests = device.Requests();
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(requests[0], (Bytes{1, 4, 0, 100, 0, 8}));
    EXPECT_EQ(requests[1], (Bytes{1, 4, 0, 108, 0, 8}));
    EXPECT_EQ(requests[2], (Bytes{1, 4, 0, 116, 0, 4}));
}

TEST(SerialLine, RequestBytesOnTheWire) {
    Bytes wire;
    std::mutex m;
    PtyDevice device([&](const Bytes& r, int) {
        std::lock_guard<std::mutex> lock(m);
        Bytes framed = FrameRtu(r);
        wire.insert(wire.end(), framed.begin(), framed.end());
        return FrameRtu(AnswerTo(r));
    });
    Client client(SerialSettings(device.SlavePath()));
    client.Open();
    const uint16_t values[] = {0x1234, 0xABCD};
    client.WriteMultipleRegisters(9104, 2, values);
    uint16_t read[1];
    client.ReadHoldingRegisters(0, 1, read);
    Bytes expected = FrameRtu({7, 16, 0x23, 0x90, 0, 2, 4, 0x12, 0x34, 0xAB, 0xCD});
    Bytes second = FrameRtu({7, 4, 0, 0, 0, 1});
    expected.insert(expected.end(), second.begin(), second.end());
    std::lock_guard<std::mutex> lock(m);
    EXPECT_EQ(wire, expected);
}

TEST(SerialLine, CrcErrorIsReportedWithoutGuardDelay) {
    PtyDevice device([](const Bytes& r, int) {
        Bytes answer = FrameRtu(AnswerTo(r));
        answer[3] ^= 0x40;
        return answer;
    });
    CComSettings s = SerialSettings(device.SlavePath());
    s.baudrate = 0;  // 1200 bit/s: a guard delay of 101 ms after every exchange
    Client client(s, 1.0);
    client.timeouts.readBaseMs = 50;
    client.Open();
    uint16_t v[2];
    auto start = Clock::now();
    EXPECT_EQ(MessageOf([&] { client.ReadHoldingRegisters(10, 2, v); }),
              "Modbus command failed. command=ReadHoldingRegister address=11 size=2 "
              "reason=crc error.");
    EXPECT_LT(MsSince(start), 200);  // three attempts, none followed by 101 ms
    EXPECT_EQ(device.Requests().size(), 3u);
}

TEST(SerialLine, ExceptionAnswerWaitsForTheTimeout) {
    PtyDevice device([](const Bytes& r, int) { return FrameRtu({r[0], 0x84, 2}); });
    Client client(SerialSettings(device.SlavePath()), 0.1);
    client.Open();
    uint16_t v[2];
    auto start = Clock::now();
    EXPECT_EQ(MessageOf([&] { client.ReadHoldingRegisters(0, 2, v); }),
              "Modbus command failed. command=ReadHoldingRegister address=1 size=2 "
              "reason=receive exception 2.");
    // Each of the three attempts waits the full (scaled) time-out of about 100 ms.
    EXPECT_GE(MsSince(start), 3 * 100);
}

TEST(SerialLine, SilentDeviceShortAnswerAndQualityHistory) {
    PtyDevice silent([](const Bytes&, int) { return Bytes{}; });
    Client client(SerialSettings(silent.SlavePath()));
    client.Open();
    uint16_t v[10];
    EXPECT_EQ(MessageOf([&] { client.ReadHoldingRegisters(100, 10, v); }),
              "Modbus command failed. command=ReadHoldingRegister address=101 size=10 "
              "reason=timeout.");
    EXPECT_EQ(silent.Requests().size(), 3u);
    EXPECT_EQ(client.QualityHistory(), (std::deque<bool>{false, false, false}));
    client.Close();

    PtyDevice shortAnswer([](const Bytes& r, int) {
        Bytes answer = FrameRtu(AnswerTo(r));
        answer.pop_back();  // n = expected length - 1
        return answer;
    });
    Client second(SerialSettings(shortAnswer.SlavePath()));
    second.Open();
    EXPECT_EQ(MessageOf([&] { second.ReadHoldingRegisters(0, 2, v); }),
              "Modbus command failed. command=ReadHoldingRegister address=1 size=2 "
              "reason=invalid response.");
}

TEST(SerialLine, RetriesAndTheLastEightExchangesCount) {
    PtyDevice device(
        [](const Bytes& r, int index) { return index < 2 ? Bytes{} : FrameRtu(AnswerTo(r)); });
    Client client(SerialSettings(device.SlavePath()));
    client.Open();
    uint16_t v[3];
    EXPECT_TRUE(client.ReadHoldingRegisters(5, 3, v));
    EXPECT_EQ(v[2], test::RegisterValue(7));
    EXPECT_EQ(client.QualityHistory(), (std::deque<bool>{false, false, true}));
    EXPECT_NEAR(client.QualityPercent(), 33.3, 0.1);
    for (int i = 0; i < 9; ++i)
        client.ReadHoldingRegisters(5, 1, v);
    EXPECT_EQ(client.QualityHistory().size(), 8u);
    EXPECT_DOUBLE_EQ(client.QualityPercent(), 100.0);
}

TEST(SerialLine, InfraredMakesTenAttempts) {
    PtyDevice silent([](const Bytes&, int) { return Bytes{}; });
    Client client(SerialSettings(silent.SlavePath(), Infrared), 0.02);
    client.Open();
    uint16_t v[1];
    EXPECT_NE(MessageOf([&] { client.ReadHoldingRegisters(0, 1, v); }).find("reason=timeout"),
              std::string::npos);
    EXPECT_EQ(silent.Requests().size(), 10u);
}

TEST(SerialLine, LateBytesArePurgedBeforeTheNextRequest) {
    std::atomic<PtyDevice*> self{nullptr};  // set before the first request can arrive
    PtyDevice device([&](const Bytes& r, int index) {
        Bytes answer = FrameRtu(AnswerTo(r));
        if (index == 0) {
            self.load()->Send(answer);
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            return Bytes{0xDE, 0xAD, 0xBE, 0xEF};  // arrives during the guard delay
        }
        return answer;
    });
    self = &device;
    CComSettings s = SerialSettings(device.SlavePath());
    s.baudrate = 0;
    Client client(s, 1.0);
    client.Open();
    uint16_t v[1];
    client.ReadHoldingRegisters(1, 1, v);
    client.ReadHoldingRegisters(2, 1, v);
    EXPECT_EQ(v[0], test::RegisterValue(2));
    EXPECT_EQ(client.QualityHistory(), (std::deque<bool>{true, true}));
}

TEST(SerialLine, AbortDuringTheSecondAttemptOfAWrite) {
    PtyDevice silent([](const Bytes&, int) { return Bytes{}; });
    Client client(SerialSettings(silent.SlavePath()), 1.0);  // 4 s time-outs
    client.Open();
    std::thread canceller([&] {
        silent.WaitForRequests(2);
        client.RequestAbort();
    });
    uint16_t v[2] = {1, 2};
    auto start = Clock::now();
    // The first attempt runs its whole (4 s) time-out unless aborted; keep it short here.
    client.timeouts.writeBaseMs = 100;
    EXPECT_NE(MessageOf([&] { client.WriteMultipleRegisters(0, 2, v); }).find("reason=timeout"),
              std::string::npos);
    canceller.join();
    EXPECT_EQ(silent.Requests().size(), 2u);
    EXPECT_LT(MsSince(start), 1500);
}

TEST(SerialLine, CancelEndsAReadAsCancelledNotAsAFailure) {
    // The device thread plays the user: it cancels through the client that the test thread
    // creates after it and destroys once the read has ended, so both handovers are atomic.
    std::atomic<Client*> user{nullptr};
    std::atomic<bool> cancelReturned{false};
    PtyDevice device([&user, &cancelReturned](const Bytes& r, int) {
        user.load()->RequestAbort();  // the user cancels while the device answers
        cancelReturned = true;
        return FrameRtu(AnswerTo(r));
    });
    Client client(SerialSettings(device.SlavePath()));
    user = &client;
    client.Open();
    std::vector<uint16_t> values(300);  // three requests
    EXPECT_THROW(client.ReadHoldingRegisters(1000, 300, values.data()), CCancelled);
    EXPECT_EQ(device.Requests().size(), 1u);  // neither retried nor continued
    for (int i = 0; i < 5000 && !cancelReturned; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

TEST(SerialLine, LongReadsAreSplitIntoLegalRequests) {
    PtyDevice device([](const Bytes& r, int) { return FrameRtu(AnswerTo(r)); });
    Client client(SerialSettings(device.SlavePath()));
    client.Open();
    std::vector<uint16_t> values(300);
    client.ReadHoldingRegisters(1000, 300, values.data());
    for (int i = 0; i < 300; ++i)
        ASSERT_EQ(values[i], test::RegisterValue(1000 + i));
    auto requests = device.Requests();
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(requests[0][5], 124);
    EXPECT_EQ(requests[1][2] << 8 | requests[1][3], 1124);
    EXPECT_EQ(requests[2][5], 52);

    std::vector<uint16_t> out(130, 0x5555);
    client.WriteMultipleRegisters(2000, 130, out.data());
    requests = device.Requests();
    ASSERT_EQ(requests.size(), 5u);
    EXPECT_EQ(requests[3][5], 122);
    EXPECT_EQ(requests[3][6], 244);
    EXPECT_EQ(requests[4][5], 8);
}

TEST(SerialLine, OpenFailuresNameThePort) {
    CComSettings s = SerialSettings("/dev/does-not-exist");
    Client missing(s);
    EXPECT_EQ(MessageOf([&] { missing.Open(); }),
              "Communication port RS-485 adapter (pts) can not be opened.");
    EXPECT_FALSE(missing.IsOpen());

    PtyDevice device([](const Bytes&, int) { return Bytes{}; });
    Client holder(SerialSettings(device.SlavePath()));
    holder.Open();
    Client second(SerialSettings(device.SlavePath(), Infrared));
    EXPECT_EQ(MessageOf([&] { second.Open(); }),
              "Communication port IR adapter (pts) can not be opened.");
    holder.Close();
    EXPECT_NO_THROW(second.Open());
}

}  // namespace
}  // namespace voltaro
