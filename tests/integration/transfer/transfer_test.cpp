// Upload and Download against the simulated device.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/model/device_registers.h"
#include "core/model/parameter_blocks.h"
#include "core/model/parameter_check.h"
#include "core/model/parameter_image.h"
#include "core/model/parameter_words.h"
#include "core/model/settings_stocker.h"
#include "core/platform/message_format.h"
#include "core/platform/message_ids.h"
#include "core/platform/private_exception.h"
#include "core/platform/string_table.h"
#include "sim_link.h"
#include "support/test_support.h"

namespace voltaro {
namespace {

using test::MessageOf;

using test::RecordedRequest;
using test::RecordingSink;
using test::SimLink;
using test::SimRow;

constexpr int kMeterRow = 4;  // KT2, firmware up to 2.39
constexpr int kZbRow = 35;    // ZB, one measuring input
constexpr int kZc16Row = 66;  // ZC, 16 inputs

std::string Wrapped(int inner) {
    std::string text = LoadString(kMsgCommunicationError);
    return text.substr(0, text.find("%s")) + LoadString(inner);
}

// Fills every parameter register of the device's type with a distinct value.
void FillDevice(sim::Simulator& sim) {
    const uint64_t features = sim.Type().FeatureSet();
    uint16_t value = 1000;
    for (const ParameterBlock& b : BlockTableFor(sim.Type())) {
        if (!b.AppliesTo(features) || b.word == kWordConfigurationMode) continue;
        std::vector<uint16_t> regs(static_cast<size_t>(b.Registers()));
        for (auto& r : regs)
            r = value += 7;
        sim.SetRegisters(b.address, regs);
    }
}

// Runs a transfer between Open and Close of the link's client.
template <typename Transfer, typename Image>
bool OverLink(SimLink& link, Transfer transfer, Image& image, IProgressSink& sink) {
    link.client->Open();
    try {
        bool result = transfer(image, *link.client, sink);
        link.client->Close();
        return result;
    } catch (...) {
        link.client->Close();
        throw;
    }
}

bool UploadFrom(SimLink& link, ParameterImage& image, IProgressSink& sink) {
    return OverLink(link, Upload, image, sink);
}

bool DownloadTo(SimLink& link, const ParameterImage& image, IProgressSink& sink) {
    return OverLink(link, Download, image, sink);
}

TEST(TransferUpload, ReadsTheDevicesRegistersIntoTheImage) {
    for (int row : {kMeterRow, kZbRow, kZc16Row}) {
        SCOPED_TRACE(row);
        SimLink link(SimRow(row));
        FillDevice(link.simulator);
        ParameterImage image = DefaultImageOfRow(0);
        RecordingSink sink;
        ASSERT_TRUE(UploadFrom(link, image, sink));
        EXPECT_EQ(image.deviceType.typeIndex, row);
        const uint64_t features = image.deviceType.FeatureSet();
        int checked = 0;
        for (const ParameterBlock& b : BlockTableFor(image.deviceType)) {
            if (!b.AppliesTo(features)) continue;
            std::vector<uint16_t> regs = link.simulator.Registers(b.address, b.Registers());
            for (int i = 0; i < b.Registers(); ++i, ++checked) {
                uint16_t expected = b.word == kWordConfigurationMode ? (regs[i] & 1) : regs[i];
                EXPECT_EQ(image.words[b.word + i], expected) << "register " << b.address + i;
            }
        }
        EXPECT_GT(checked, 10);
        EXPECT_EQ(sink.reports.back(), 100.0);
        for (size_t i = 1; i < sink.reports.size(); ++i)
            EXPECT_GE(sink.reports[i], sink.reports[i - 1]);
    }
}

TEST(TransferUpload, SwappedDeviceGivesLowHalfFirstAndDownloadSwapsBack) {
    sim::SimulatorOptions options = SimRow(kMeterRow);
    options.device.swap = true;
    SimLink link(options);
    link.simulator.SetRegisters(5603, {0x0001, 0x0002});  // 32-bit, high half first
    ParameterImage image;
    RecordingSink sink;
    ASSERT_TRUE(UploadFrom(link, image, sink));
    EXPECT_EQ(image.Get32(kWordPrimaryVoltage), 0x00010002u);

    image.Set32(kWordPrimaryVoltage, 0x00030004);
    ASSERT_TRUE(DownloadTo(link, image, sink));
    EXPECT_EQ(link.simulator.Registers(5603, 2), (std::vector<uint16_t>{0x0003, 0x0004}));

    SimLink plain(SimRow(kMeterRow));
    ASSERT_TRUE(DownloadTo(plain, image, sink));
    EXPECT_EQ(plain.simulator.Registers(5603, 2), (std::vector<uint16_t>{0x0004, 0x0003}));
}

TEST(TransferUpload, LonWorksTypesAreRefusedBeforeAnyParameterRead) {
    for (auto [row, message] :
         {std::pair{33, kMsgZbLonWorksOnly}, std::pair{34, kMsgZbLonWorksOnly},
          std::pair{59, kMsgZcLonWorksOnly}, std::pair{65, kMsgZcLonWorksOnly}}) {
        SCOPED_TRACE(row);
        SimLink link(SimRow(row));
        ParameterImage image;
        RecordingSink sink;
        EXPECT_EQ(MessageOf([&] { UploadFrom(link, image, sink); }), Wrapped(message));
        EXPECT_EQ(image.deviceType.typeIndex, row);
        for (const RecordedRequest& r : link.proxy.Requests())
            EXPECT_TRUE(r.address == kWordOrderRegister || r.address >= kDeviceIdRegister)
                << r.address;
        EXPECT_TRUE(sink.reports.empty());
    }
}

TEST(TransferUpload, UnsupportedDeviceLeavesTheImageAlone) {
    SimLink link(SimRow(kMeterRow));
    link.simulator.SetRegisters(kDeviceIdRegister, {1234});  // a device id no row carries
    ParameterImage image = DefaultImageOfRow(kZbRow);
    image.words[kWordDisplayOperationMode] = 0xBEEF;
    RecordingSink sink;
    std::string message = MessageOf([&] { UploadFrom(link, image, sink); });
    EXPECT_THAT(message, ::testing::StartsWith("Communication error. Please check"));
    EXPECT_THAT(message, ::testing::HasSubstr("not supported. (device id=1234"));
    EXPECT_EQ(image.deviceType.typeIndex, kZbRow);
    EXPECT_EQ(image.words[kWordDisplayOperationMode], 0xBEEF);
    EXPECT_TRUE(sink.reports.empty());
}

TEST(TransferUpload, CancelKeepsTheBlocksReadSoFar) {
    SimLink link(SimRow(kMeterRow));
    FillDevice(link.simulator);
    ParameterImage image;
    image.words[kWordDisplayOperationMode] = 0xBEEF;
    image.words[kWordClearAlarmShortcut] = 0xBEEF;  // last block of the meter table
    RecordingSink sink;
    sink.stopAt = 2;
    EXPECT_FALSE(UploadFrom(link, image, sink));
    EXPECT_EQ(sink.reports.size(), 2u);
    EXPECT_EQ(image.words[kWordDisplayOperationMode], link.simulator.Register(5200));
    EXPECT_EQ(image.words[kWordClearAlarmShortcut], 0xBEEF);
}

// Address and register count of every write a download of row sends.
std::vector<std::pair<int, int>> WritesOf(const std::vector<RecordedRequest>& requests) {
    std::vector<std::pair<int, int>> writes;
    for (const RecordedRequest& r : requests)
        if (r.function == 16) writes.emplace_back(r.address, r.count);
    return writes;
}

TEST(TransferDownload, Kt2FirmwareOneZeroZeroWritesOneRequestPerBlock) {
    using ::testing::Contains;
    using ::testing::Not;
    using ::testing::Pair;
    RecordingSink sink;
    ParameterImage image = DefaultImageOfRow(kMeterRow);

    SimLink old(SimRow(kMeterRow, 100));
    ASSERT_TRUE(DownloadTo(old, image, sink));
    auto single = WritesOf(old.proxy.Requests());
    EXPECT_THAT(single, Contains(Pair(6368, 2)));
    EXPECT_THAT(single, Contains(Pair(6370, 4)));
    EXPECT_THAT(single, Contains(Pair(6374, 3)));
    EXPECT_THAT(single, Not(Contains(Pair(6368, 9))));

    SimLink current(SimRow(kMeterRow, 101));
    current.simulator.SetRegisters(6393, {0x5555});  // between blocks 6390 and 6394
    ASSERT_TRUE(DownloadTo(current, image, sink));
    auto merged = WritesOf(current.proxy.Requests());
    EXPECT_THAT(merged, Contains(Pair(6368, 9)));
    EXPECT_THAT(merged, Contains(Pair(5600, 9)));  // 5600 (3) + 5603 (32-bit) + 5605 (4)
    EXPECT_THAT(merged, Not(Contains(Pair(6370, 4))));
    EXPECT_LT(merged.size(), single.size());
    // Merged groups also cover the ten unused registers between their blocks
    // (6393, 6397, ... in the alarm groups).
    int singleRegisters = 0, mergedRegisters = 0;
    for (auto [a, n] : single)
        singleRegisters += n;
    for (auto [a, n] : merged)
        mergedRegisters += n;
    EXPECT_EQ(mergedRegisters - singleRegisters, 10);
    // The image arrives on the device.
    EXPECT_EQ(current.simulator.Register(6374), image.words[AlarmOutputWord(0)]);
    EXPECT_THAT(merged, Contains(Pair(6386, 47)));
    EXPECT_EQ(current.simulator.Register(6393), 0);  // gaps inside a group are written as 0
}

TEST(TransferDownload, DipModeSkipsWhatTheSwitchesSet) {
    using ::testing::Contains;
    using ::testing::Pair;
    RecordingSink sink;
    sim::SimulatorOptions zb = SimRow(kZbRow);
    zb.device.dip = true;
    SimLink link(zb);
    ParameterImage image = DefaultImageOfRow(kZbRow);
    image.words[kWordConfigurationMode] = 0;
    ASSERT_TRUE(DownloadTo(link, image, sink));
    auto writes = WritesOf(link.proxy.Requests());
    EXPECT_THAT(writes, Contains(Pair(5603, 6)));
    for (auto [address, count] : writes) {
        EXPECT_NE(address, 5600);
        EXPECT_NE(address, 5609);
        EXPECT_NE(address, kZbModeRegister);
    }

    sim::SimulatorOptions zc = SimRow(kZc16Row);
    zc.device.dip = true;
    SimLink zcLink(zc);
    ParameterImage zcImage = DefaultImageOfRow(kZc16Row);
    zcImage.words[kWordConfigurationMode] = 0;
    ASSERT_TRUE(DownloadTo(zcLink, zcImage, sink));
    auto zcWrites = WritesOf(zcLink.proxy.Requests());
    for (int skipped : {9040, 9392, 9396, 9400, 9452, kZcModeRegister})
        for (auto [address, count] : zcWrites)
            EXPECT_NE(address, skipped);
    EXPECT_THAT(zcWrites, Contains(Pair(9043, 2)));
    EXPECT_THAT(zcWrites, Contains(Pair(9398, 1)));

    // Not in DIP mode, the same device takes those blocks (mode word itself never).
    SimLink full(SimRow(kZc16Row));
    zcImage.words[kWordConfigurationMode] = 1;
    ASSERT_TRUE(DownloadTo(full, zcImage, sink));
    auto fullWrites = WritesOf(full.proxy.Requests());
    EXPECT_THAT(fullWrites, Contains(Pair(9040, 1)));
    EXPECT_THAT(fullWrites, Contains(Pair(9452, 2)));
    for (auto [address, count] : fullWrites)
        EXPECT_NE(address, kZcModeRegister);
}

TEST(TransferDownload, ZcTypesIgnoreTheWordOrderRegister) {
    // A ZC device keeps 32-bit values low half first whatever kWordOrderRegister says.
    SimLink link(SimRow(kZc16Row));
    link.simulator.SetRegisters(kWordOrderRegister, {1});
    ParameterImage image = DefaultImageOfRow(kZc16Row);
    image.words[kWordConfigurationMode] = 1;  // configured from the PC, as the device reports
    image.Set32(kWordPrimaryVoltage, 0x00030004);
    RecordingSink sink;
    ASSERT_TRUE(DownloadTo(link, image, sink));
    EXPECT_EQ(link.simulator.Registers(9043, 2), (std::vector<uint16_t>{0x0004, 0x0003}));
    for (const RecordedRequest& r : link.proxy.Requests())
        EXPECT_NE(r.address, kWordOrderRegister);
}

TEST(TransferUpload, ZcTypesIgnoreTheWordOrderRegister) {
    // Upload must agree with Download: ZC values stay low half first even when kWordOrderRegister
    // reads 1.
    SimLink link(SimRow(kZc16Row));
    link.simulator.SetRegisters(kWordOrderRegister, {1});
    link.simulator.SetRegisters(9043, {0x0004, 0x0003});
    ParameterImage image;
    RecordingSink sink;
    ASSERT_TRUE(UploadFrom(link, image, sink));
    EXPECT_EQ(image.Get32(kWordPrimaryVoltage), 0x00030004u);
}

TEST(TransferDownload, RefusalsComeBeforeAnyWrite) {
    RecordingSink sink;
    {  // image word 30 = 1 while the device reports DIP mode
        sim::SimulatorOptions zb = SimRow(kZbRow);
        zb.device.dip = true;
        SimLink link(zb);
        ParameterImage image = DefaultImageOfRow(kZbRow);
        image.words[kWordConfigurationMode] = 1;
        EXPECT_EQ(MessageOf([&] { DownloadTo(link, image, sink); }),
                  Wrapped(kMsgDipSwitchMismatch));
        EXPECT_TRUE(WritesOf(link.proxy.Requests()).empty());
    }
    {  // settings of another device type: said as it is, not as a communication error
        SimLink link(SimRow(kMeterRow));
        EXPECT_EQ(MessageOf([&] { DownloadTo(link, DefaultImageOfRow(5), sink); }),
                  LoadString(kMsgDifferentDevice));
        EXPECT_TRUE(WritesOf(link.proxy.Requests()).empty());
        EXPECT_TRUE(sink.reports.empty());
    }
    {  // a value its definition refuses (a key lock beyond the list) reaches no device
        SimLink link(SimRow(kMeterRow));
        ParameterImage image = DefaultImageOfRow(kMeterRow);
        image.words[kWordDisplayOperationMode] = 77;
        const ParameterViolation violation{kWordDisplayOperationMode, 77,
                                           AllowedValuesOf(image.deviceType, 0)};
        EXPECT_EQ(MessageOf([&] { DownloadTo(link, image, sink); }),
                  ViolationMessage(image, violation, kMsgDownloadNotAllowed));
        EXPECT_TRUE(link.proxy.Requests().empty());
    }
}

// A device that refuses a write part-way holds old and new values: the message says so
// and names the block; a refusal of the first write is the device's answer, not a cable
// or power problem.
TEST(TransferDownload, RefusedWritesTellTheDevicesState) {
    RecordingSink sink;
    {
        sim::SimulatorOptions options = SimRow(kMeterRow);
        options.faults.exceptions.push_back({2, 6368, 6368});
        SimLink link(options);
        const std::string message =
            MessageOf([&] { DownloadTo(link, DefaultImageOfRow(kMeterRow), sink); });
        const std::string expected =
            FormatMessageId(kMsgPartlyWritten, {6369, "Power ON delay", "Modbus command failed."});
        EXPECT_THAT(message, ::testing::StartsWith(expected));
        EXPECT_THAT(message, ::testing::HasSubstr("command=WriteMultipleRegisters"));
        EXPECT_FALSE(WritesOf(link.proxy.Requests()).empty());  // earlier groups stay written
    }
    {  // the device refuses the first group (a value it does not take): nothing was written
        sim::SimulatorOptions options = SimRow(kMeterRow);
        options.faults.exceptions.push_back({3, 5200, 5200});
        SimLink link(options);
        const ParameterImage image = DefaultImageOfRow(kMeterRow);
        const std::string message = MessageOf([&] { DownloadTo(link, image, sink); });
        EXPECT_THAT(message, ::testing::StartsWith(FormatMessageId(kMsgDeviceRefused, {""})));
        EXPECT_THAT(message, ::testing::HasSubstr("receive exception 3"));
        EXPECT_EQ(link.simulator.Register(5200), 0);
    }
    {  // a link that fails is still told as one
        SimLink link(SimRow(kMeterRow));
        link.simulator.Stop();
        link.client->timeouts.connectMs = 200;
        EXPECT_THAT(MessageOf([&] { DownloadTo(link, DefaultImageOfRow(kMeterRow), sink); }),
                    ::testing::StartsWith("Communication error. Please check"));
    }
}

}  // namespace
}  // namespace voltaro
