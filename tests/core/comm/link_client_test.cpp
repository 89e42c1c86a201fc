// The client's figures and frames against a scripted TCP device: each kind of answer lands
// in its counter once, retries apart from first attempts, and the frame log shows what
// went over the wire.
#include <gtest/gtest.h>

#include "core/comm/frame_text.h"
#include "core/comm/modbus_interface.h"
#include "core/comm/tcp_device.h"
#include "core/platform/private_exception.h"

namespace voltaro {
namespace {

using test::TcpDevice;
using Bytes = TcpDevice::Bytes;

uint16_t Value(int address) {
    return static_cast<uint16_t>(address * 3);
}

struct Collector : IFrameListener {
    void OnFrame(const FrameRecord& frame) override { frames.push_back(frame); }
    std::vector<FrameRecord> frames;
};

// Requests by index: 0 right; 1 from unit 9, 2 right; 3-5 exception 2; 6 silent, 7 right.
TcpDevice::Reply Script(const Bytes& request, int index) {
    Bytes answer = TcpDevice::Answer(request, Value);
    if (index == 1) answer[6] = 9;
    if (index >= 3 && index <= 5)
        answer = {request[0], request[1], 0, 0, 0, 3, request[6], 0x84, 2};
    if (index == 6) return {};
    return {{answer}};
}

TEST(LinkStatisticsOfTheClient, EachAnswerCountedAndLogged) {
    TcpDevice device(Script);
    CComSettings settings;
    settings.mode = ModbusTcp;
    settings.address = 5;
    settings.serverAddress = "127.0.0.1";
    settings.servicePort = device.Port();
    CModbusInterface client(settings);
    client.timeouts.tcpResponseMs = 150;
    EXPECT_EQ(client.Statistics().counters.requests, 0u);
    client.Open();
    Collector collector;
    CFrameSubscription subscription(&collector);

    uint16_t values[2] = {};
    client.ReadHoldingRegisters(16, 2, values);
    // Another unit's answer is not taken as this device's values: it is retried.
    values[0] = 0;
    client.ReadHoldingRegisters(20, 1, values);
    EXPECT_EQ(values[0], Value(20));
    EXPECT_THROW(client.ReadHoldingRegisters(30, 1, values), CPrivateException);
    const uint16_t written[] = {7, 8};
    client.WriteMultipleRegisters(40, 2, written);

    const LinkSnapshot s = client.Statistics();
    const LinkCounters& c = s.counters;
    EXPECT_EQ(c.requests, 8u);
    EXPECT_EQ(c.retries, 4u);
    EXPECT_EQ(c.answers, 3u);
    EXPECT_EQ(c.invalid, 1u);
    EXPECT_EQ(c.exceptions, 3u);
    EXPECT_EQ(c.exceptionsByCode, (std::map<int, uint64_t>{{2, 3}}));
    EXPECT_EQ(c.timeouts, 1u);
    EXPECT_EQ(c.crcErrors, 0u);
    EXPECT_EQ(c.bytesSent, 6 * 12u + 2 * 17u);
    EXPECT_EQ(c.bytesReceived, 13u + 11u + 11u + 3 * 9u + 12u);
    EXPECT_EQ(s.times.Count(), 7u);
    EXPECT_LE(s.times.MinUs(), s.times.PercentileUs(95));
    EXPECT_LE(s.times.PercentileUs(95), s.times.MaxUs());
    EXPECT_EQ(s.label, "TCP 127.0.0.1:" + device.Port());

    // Every request and every end of an attempt is one frame, in order, on the wire as sent.
    ASSERT_EQ(collector.frames.size(), 16u);
    const auto requests = device.Requests();
    EXPECT_EQ(collector.frames[0].bytes, requests[0]);
    EXPECT_EQ(collector.frames[0].link, s.id);
    EXPECT_EQ(FrameMeaningText(collector.frames[0]), "read 2 registers from 17");
    EXPECT_EQ(collector.frames[1].values, (std::vector<uint16_t>{Value(16), Value(17)}));
    EXPECT_EQ(collector.frames[3].outcome, FrameOutcome::WrongUnit);
    EXPECT_EQ(FrameMeaningText(collector.frames[3]).rfind("answer from unit 9", 0), 0u);
    EXPECT_EQ(collector.frames[7].outcome, FrameOutcome::Exception);
    EXPECT_EQ(collector.frames[13].outcome, FrameOutcome::Timeout);
    EXPECT_TRUE(collector.frames[13].bytes.empty());
    EXPECT_EQ(FrameMeaningText(collector.frames[14]), "write 2 registers at 41: 7 8");
    for (std::size_t i = 1; i < collector.frames.size(); ++i)
        EXPECT_EQ(collector.frames[i].sequence, collector.frames[i - 1].sequence + 1);

    const std::string line = FrameLine(collector.frames[1]);
    EXPECT_NE(line.find(" #" + std::to_string(s.id) + " received  00 "), std::string::npos) << line;
    EXPECT_NE(line.find("| values 48 51 ("), std::string::npos) << line;
}

TEST(LinkStatisticsOfTheClient, ClosedClientKeepsItsFiguresInTheMonitor) {
    TcpDevice device(
        [](const Bytes& r, int) { return TcpDevice::Reply{{TcpDevice::Answer(r, Value)}}; });
    int id = 0;
    {
        CComSettings settings;
        settings.mode = ModbusTcp;
        settings.serverAddress = "127.0.0.1";
        settings.servicePort = device.Port();
        CModbusInterface client(settings);
        client.Open();
        uint16_t value = 0;
        client.ReadHoldingRegisters(1, 1, &value);
        id = client.Statistics().id;
    }
    const auto links = CLinkMonitor::Instance().Snapshots();
    auto found =
        std::find_if(links.begin(), links.end(), [&](const LinkSnapshot& l) { return l.id == id; });
    ASSERT_NE(found, links.end());
    EXPECT_FALSE(found->open);
    EXPECT_EQ(found->counters.answers, 1u);
    const std::string text = LinkStatisticsText({*found});
    EXPECT_NE(text.find("(closed)"), std::string::npos) << text;
    EXPECT_NE(text.find("  Requests: 1\n"), std::string::npos) << text;
    EXPECT_NE(text.find("  Answer time min / mean / 95 % / max: "), std::string::npos) << text;
}

}  // namespace
}  // namespace voltaro
