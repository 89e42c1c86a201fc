// A monitor pass as machine-readable output: the JSON object of a pass (good, failed part
// way, with harmonic spectra) and the columns, header and rows of its CSV log.
#include <gtest/gtest.h>

#include "core/monitor/measurand_format.h"
#include "core/monitor/measurand_labels.h"
#include "core/monitor/monitor_record.h"
#include "support/json_value.h"

namespace voltaro {
namespace {

using test::JsonReader;
using test::JsonValue;

// Fills a store as a pass of a KT2 leaves it, with texts that need escaping in the tag.
void FillKt2(CMeasurandsKT2& store) {
    store.deviceId = 7811;
    store.firmwareVersion = 239;
    store.extensionId = 0x0001;  // 4-20 mA outputs
    store.ioConfig = {1, 1, 2, 1};
    const char tag[] = "A\"B\\C\n";
    for (std::size_t i = 0; i + 1 < sizeof tag; ++i)
        store.tagNumber[i] = static_cast<uint8_t>(tag[i]);
    store.SetValue(kIdxCurrent1, 5123);
    store.SetValue(kIdxLeadLag1, 1);
    store.SetValue(kIdxEnergySet1, 12345);
    store.SetValue(kIdxEnergyFraction1, static_cast<int32_t>(2147483648u));
    store.analogOutputs = {1234, 2000, 0, 0};
    store.harmonics[4][1] = 35;  // voltage 1-2, third harmonic 3.5 %
}

MonitorPassResult GoodPass() {
    MonitorPassResult result;
    result.ok = true;
    result.indexes = {kIdxCurrent1, kIdxLeadLag1, kIdxEnergySet1};
    for (int index = kIdxModelName; index <= kIdxAnalogOutput1 + 1; ++index)
        result.indexes.push_back(index);
    return result;
}

TEST(MonitorPassJson, AGoodPassWithDeviceValuesAndSpectra) {
    CMeasurandsKT2 store;
    FillKt2(store);
    const MonitorPassResult result = GoodPass();
    const std::string line = MonitorPassJson("2026-12-07T10:00:00.250Z", result, store, {4, 0});
    EXPECT_EQ(line.find('\n'), std::string::npos);  // one object per line
    const JsonValue pass = JsonReader::Parse(line);
    EXPECT_EQ(pass["time"].text, "2026-12-07T10:00:00.250Z");
    EXPECT_TRUE(pass["ok"].boolean);
    EXPECT_EQ(pass["error"].type, JsonValue::Type::Null);
    EXPECT_EQ(pass["channel"].number, 1);
    const JsonValue& device = pass["device"];
    EXPECT_EQ(device["model"].text, "KT2");
    EXPECT_EQ(device["firmware"].text, "2.39");
    EXPECT_EQ(device["tag"].text, "A\"B\\C\n");  // escaped on the way, whole on arrival
    EXPECT_EQ(device["passcode_state"].text, FormatMeasurand(store, kIdxPasscodeState));
    // Every index the pass read, in order, with its name and exactly the grid's text.
    const auto& values = pass["values"].items;
    ASSERT_EQ(values.size(), result.indexes.size());
    for (std::size_t i = 0; i < values.size(); ++i) {
        const int index = result.indexes[i];
        EXPECT_EQ(values[i]["index"].number, index);
        EXPECT_EQ(values[i]["name"].text, MeasurandLabel(index));
        EXPECT_EQ(values[i]["text"].text, FormatMeasurand(store, index)) << index;
    }
    EXPECT_EQ(values[2]["text"].text, "1234.5500");
    EXPECT_EQ(values[1]["text"].text, "lead");
    // Spectra in the order asked for, 30 orders from the second.
    const auto& spectra = pass["harmonics"].items;
    ASSERT_EQ(spectra.size(), 2u);
    EXPECT_EQ(spectra[0]["set"].number, 4);
    EXPECT_EQ(spectra[0]["name"].text, HarmonicSetName(4));
    ASSERT_EQ(spectra[0]["percent"].items.size(), 30u);
    EXPECT_EQ(spectra[0]["percent"].items[1].text, "3.5");
    EXPECT_EQ(spectra[1]["name"].text, "Current 1");
}

TEST(MonitorPassJson, AFailedPassKeepsWhatItReadAndNoStaleIdentity) {
    CMeasurandsKT2 store;
    FillKt2(store);
    MonitorPassResult failed;
    failed.ok = false;
    failed.error = "Time-out \"9600\"";
    failed.state.channel = 1;
    failed.indexes = {kIdxCurrent1};
    const JsonValue pass = JsonReader::Parse(MonitorPassJson("t", failed, store, {4}));
    EXPECT_FALSE(pass["ok"].boolean);
    EXPECT_EQ(pass["error"].text, "Time-out \"9600\"");
    EXPECT_EQ(pass["channel"].number, 2);
    // The identity was not read by this pass: an earlier pass's is not passed off as its.
    EXPECT_EQ(pass["device"].type, JsonValue::Type::Null);
    ASSERT_EQ(pass["values"].items.size(), 1u);
    EXPECT_EQ(pass["values"].items[0]["text"].text, "5.123");
    EXPECT_TRUE(pass["harmonics"].items.empty());
    // Without sets asked for there is no harmonics member at all.
    EXPECT_FALSE(JsonReader::Parse(MonitorPassJson("t", failed, store, {})).Has("harmonics"));
}

TEST(MonitorLog, ColumnsHeaderAndRowsOfPlainNumbers) {
    CMeasurandsKT2 store;
    FillKt2(store);
    // Set 12 does not exist: it makes no columns (and reads nothing outside the store).
    const MonitorLogColumns columns = LogColumnsOfPass(GoodPass(), {4, 12});
    // Identity texts are not numbers: no columns. Analogue outputs are.
    const std::vector<int> expected{kIdxCurrent1, kIdxLeadLag1, kIdxEnergySet1, kIdxAnalogOutput1,
                                    kIdxAnalogOutput1 + 1};
    EXPECT_EQ(columns.indexes, expected);
    EXPECT_EQ(columns.harmonicSets, std::vector<int>{4});

    const auto header = MonitorLogHeader(columns);
    ASSERT_EQ(header.size(), 1 + expected.size() + 30);
    EXPECT_EQ(header[0], "time");
    EXPECT_EQ(header[1], MeasurandLabel(kIdxCurrent1));
    EXPECT_EQ(header[5], MeasurandLabel(kIdxAnalogOutput1 + 1));
    EXPECT_EQ(header[6], "Voltage 1-2 harmonic 2");
    EXPECT_EQ(header.back(), "Voltage 1-2 harmonic 31");

    const auto row = MonitorLogRow("t1", store, columns);
    ASSERT_EQ(row.size(), header.size());
    EXPECT_EQ(row[0], "t1");
    EXPECT_EQ(row[1], "5.123");
    EXPECT_EQ(row[2], "1");  // lead as a number
    EXPECT_EQ(row[3], "1234.5500");
    EXPECT_EQ(row[4], "12.34");
    EXPECT_EQ(row[7], "3.5");
    EXPECT_EQ(row[6], "0.0");
}

}  // namespace
}  // namespace voltaro
