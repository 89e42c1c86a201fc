// voltaro-cli on the ZC series, run as a process against simulated 8-input, 16-input
// and discrete-input devices: monitor in text, JSON and CSV, the extension module and a
// channel's detail; resets behind the passcode; presets of energies and counts.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/sim_device.h"
#include "core/platform/message_format.h"
#include "core/platform/message_ids.h"
#include "core/platform/string_table.h"
#include "core/platform/temp_dir.h"
#include "core/platform/ui_text_ids.h"
#include "sim/zc_values.h"
#include "support/cli_run.h"

namespace voltaro {
namespace {

using test::CliRun;
using test::JsonLines;
using test::JsonValue;
using test::RunCli;
using test::SimDevice;

constexpr int kZc8Row = 52;
constexpr int kZc16Row = 64;
constexpr bool kWithErrors = true;
constexpr uint32_t kPasscode = 4711;

sim::SimulatorOptions Variant(int row, bool discreteInputs = false, uint32_t passcode = 0) {
    sim::SimulatorOptions options = SimDevice::Options(row);
    options.device.alternateIo = discreteInputs;
    options.device.passcode = passcode;
    return options;
}

uint32_t Pair(sim::Simulator& simulator, int address) {
    const auto r = simulator.Registers(address, 2);
    return static_cast<uint32_t>(r[1]) << 16 | r[0];
}

std::string Names(const JsonValue& pass) {
    std::string names;
    for (const JsonValue& v : pass["values"].items)
        names += "|" + v["name"].text + "|";
    return names;
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

std::string Usage(const char* command, int id) {
    return std::string("voltaro-cli ") + command + ": " + LoadString(id) + "\n";
}

TEST(CliZcMonitor, PageOfEachModuleInTextAndJson) {
    SimDevice basic(kZc8Row);
    const CliRun text = RunCli("monitor --once " + basic.Tcp());
    ASSERT_EQ(text.status, 0) << text.out;
    EXPECT_TRUE(Contains(text.out, "Basic Module: Hourly values")) << text.out;
    EXPECT_TRUE(Contains(text.out, "23:00 to 00:00")) << text.out;
    EXPECT_TRUE(Contains(text.out, "Date and Time")) << text.out;
    EXPECT_FALSE(Contains(text.out, "Measurand")) << text.out;

    const CliRun json = RunCli("monitor --once --json " + basic.Tcp());
    ASSERT_EQ(json.status, 0) << json.out;
    const JsonValue pass = JsonLines(json.out).at(0);
    EXPECT_EQ(pass["module"].text, "basic");
    EXPECT_EQ(pass["detail"].type, JsonValue::Type::Null);
    EXPECT_EQ(pass["device"]["model"].text, "ZC");
    const std::string names = Names(pass);
    for (const char* name :
         {"1ch Latest|", "8ch 23:00 to 00:00|", "3ch Active in|", "8ch Current 3|", "Device date|"})
        EXPECT_TRUE(Contains(names, name)) << name;
    // The hours of a device just started hold its load's energy, not zeros (the hour in
    // progress may have just begun).
    int zeroHours = 0;
    for (const JsonValue& v : pass["values"].items) {
        if (v["name"].text.rfind("2ch ", 0) == 0 && Contains(v["name"].text, ":00 to "))
            zeroHours += std::stod(v["text"].text) == 0.0 ? 1 : 0;
    }
    EXPECT_LE(zeroHours, 1);

    SimDevice sixteen(kZc16Row);
    const CliRun extension = RunCli("monitor --once --json --module extension " + sixteen.Tcp());
    ASSERT_EQ(extension.status, 0) << extension.out;
    const JsonValue second = JsonLines(extension.out).at(0);
    EXPECT_EQ(second["module"].text, "extension");
    EXPECT_TRUE(Contains(Names(second), "16ch Active in|"));
    EXPECT_FALSE(Contains(Names(second), "|1ch "));

    SimDevice discrete(Variant(kZc8Row, true));
    const CliRun counts = RunCli("monitor --once --json --module extension " + discrete.Tcp());
    ASSERT_EQ(counts.status, 0) << counts.out;
    const JsonValue third = JsonLines(counts.out).at(0);
    EXPECT_EQ(third["module"].text, "discrete");
    EXPECT_TRUE(Contains(Names(third), "DI8 Counter|"));
    EXPECT_FALSE(Contains(Names(third), "Active in"));
}

TEST(CliZcMonitor, DetailOfAChannelAndOptionsTheDeviceCannotServe) {
    SimDevice sixteen(kZc16Row);
    const CliRun detail =
        RunCli("monitor --once --json --detail 12 --harmonics 0 " + sixteen.Tcp());
    ASSERT_EQ(detail.status, 0) << detail.out;
    const JsonValue pass = JsonLines(detail.out).at(0);
    EXPECT_EQ(pass["detail"].number, 12);
    EXPECT_EQ(pass["module"].type, JsonValue::Type::Null);
    EXPECT_TRUE(Contains(Names(pass), "12ch Min Current 1|"));
    EXPECT_TRUE(Contains(Names(pass), "Max Voltage 1-2|"));
    ASSERT_EQ(pass["harmonics"].items.size(), 1u);

    SimDevice eight(kZc8Row);
    const CliRun noModule = RunCli("monitor --once --module extension " + eight.Tcp(), kWithErrors);
    EXPECT_EQ(noModule.status, 2);
    EXPECT_EQ(noModule.out, Usage("monitor", kMsgZcNoExtensionModule));
    const CliRun beyond = RunCli("monitor --once --detail 9 " + eight.Tcp(), kWithErrors);
    EXPECT_EQ(beyond.status, 2);
    EXPECT_EQ(beyond.out,
              "voltaro-cli monitor: " + FormatMessageId(kMsgZcDetailBeyondInputs, {8, 9}) + "\n");
    const CliRun spectra = RunCli("monitor --once --harmonics 1 " + eight.Tcp(), kWithErrors);
    EXPECT_EQ(spectra.out, Usage("monitor", kMsgZcHarmonicsNeedDetail));

    SimDevice meter(7);
    const CliRun onMeter = RunCli("monitor --once --detail 1 " + meter.Tcp(), kWithErrors);
    EXPECT_EQ(onMeter.status, 2);
    EXPECT_EQ(onMeter.out, Usage("monitor", kMsgZcOptionsNeedZc));

    EXPECT_EQ(RunCli("monitor --detail 17", kWithErrors).out, Usage("monitor", kMsgZcDetailOption));
    EXPECT_EQ(RunCli("monitor --module both", kWithErrors).out,
              Usage("monitor", kMsgZcModuleOption));
    EXPECT_EQ(RunCli("monitor --module basic --detail 1", kWithErrors).status, 2);
}

TEST(CliZcMonitor, CsvLogOfTheDetailAppendsRowsUnderTheSameHeader) {
    SimDevice device(kZc8Row);
    test::TempDir dir;
    const std::string log = dir.File("zc.csv");
    ASSERT_EQ(RunCli("monitor --once --detail 2 --csv " + log + " " + device.Tcp()).status, 0);
    ASSERT_EQ(RunCli("monitor --once --detail 2 --csv " + log + " " + device.Tcp()).status, 0);
    std::istringstream in(test::ReadFile(log));
    std::string header, row1, row2, more;
    std::getline(in, header);
    std::getline(in, row1);
    std::getline(in, row2);
    EXPECT_FALSE(std::getline(in, more));
    EXPECT_EQ(header.rfind("time,", 0), 0u) << header;
    EXPECT_TRUE(Contains(header, ",2ch Current 1,")) << header;
    EXPECT_FALSE(Contains(header, "Measurand")) << header;
    EXPECT_EQ(std::count(row2.begin(), row2.end(), ','),
              std::count(header.begin(), header.end(), ','));
    // Another channel's columns are other columns: the log is left as it is.
    const std::string before = test::ReadFile(log);
    EXPECT_EQ(RunCli("monitor --once --detail 3 --csv " + log + " " + device.Tcp()).status, 1);
    EXPECT_EQ(test::ReadFile(log), before);
}

TEST(CliZcReset, ChannelAndCommonResetsBehindThePasscode) {
    SimDevice open(kZc8Row);
    const int block3 = sim::ZcValues::EnergyBlock(2);
    ASSERT_GT(Pair(open.simulator, block3), 0u);
    const CliRun energy = RunCli("reset energy --channel 3 --yes " + open.Tcp());
    ASSERT_EQ(energy.status, 0) << energy.out;
    EXPECT_EQ(energy.out, FormatMessageId(kMsgResetWritten, {1, 8997, "energy"}) + "\n");
    EXPECT_LT(Pair(open.simulator, block3), 5u);  // counting again from 0
    const CliRun voltage = RunCli("reset maxmin-voltage --yes " + open.Tcp());
    EXPECT_EQ(voltage.out, FormatMessageId(kMsgResetWritten, {16, 8995, "maxmin-voltage"}) + "\n");
    EXPECT_EQ(RunCli("reset energy --yes " + open.Tcp(), kWithErrors).out,
              "voltaro-cli reset: " + FormatMessageId(kMsgZcResetNeedsChannel, {8}) + "\n");
    EXPECT_EQ(RunCli("reset thd-voltage --channel 2 --yes " + open.Tcp(), kWithErrors).status, 2);
    EXPECT_EQ(RunCli("reset energy --channel 9 --yes " + open.Tcp(), kWithErrors).status, 2);
    EXPECT_EQ(RunCli("reset maxmin --channel 1 --yes " + open.Tcp(), kWithErrors).status, 2);
    const CliRun unconfirmed = RunCli("reset hourly --channel 1 " + open.Tcp() + " </dev/null");
    EXPECT_EQ(unconfirmed.status, 1);

    SimDevice locked(Variant(kZc16Row, false, kPasscode));
    const int block12 = sim::ZcValues::EnergyBlock(11);
    const uint32_t before = Pair(locked.simulator, block12);
    ASSERT_GT(before, 10u);
    const CliRun wrong =
        RunCli("reset energy --channel 12 --yes --passcode 1234 " + locked.Tcp(), kWithErrors);
    EXPECT_EQ(wrong.status, 1);
    EXPECT_GE(Pair(locked.simulator, block12), before);  // nothing was reset
    const CliRun right = RunCli("reset energy --channel 12 --yes --passcode " +
                                std::to_string(kPasscode) + " " + locked.Tcp());
    ASSERT_EQ(right.status, 0) << right.out;
    EXPECT_LT(Pair(locked.simulator, block12), 5u);
}

TEST(CliZcReset, CountsOfADiscreteInputAtTheExtensionModulesRegister) {
    SimDevice discrete(Variant(kZc8Row, true));
    const int counts3 = sim::ZcValues::EnergyBlock(2) + 1024;
    const int energy3 = sim::ZcValues::EnergyBlock(2);
    ASSERT_GT(Pair(discrete.simulator, counts3), 100u);
    const CliRun count = RunCli("reset counter --channel 3 --yes " + discrete.Tcp());
    ASSERT_EQ(count.status, 0) << count.out;
    EXPECT_EQ(count.out, FormatMessageId(kMsgResetWritten, {1, 8995 + 8 + 2, "counter"}) + "\n");
    EXPECT_LT(Pair(discrete.simulator, counts3), 5u);
    EXPECT_GT(Pair(discrete.simulator, energy3), 0u);  // 3ch's energy stays
    EXPECT_EQ(RunCli("reset counter --channel 9 --yes " + discrete.Tcp(), kWithErrors).status, 2);

    SimDevice eight(kZc8Row);
    const CliRun none = RunCli("reset counter --channel 3 --yes " + eight.Tcp(), kWithErrors);
    EXPECT_EQ(none.status, 1);
    EXPECT_TRUE(Contains(none.out, "DI3")) << none.out;
}

TEST(CliZcLoopTest, CommonValuesNeedChannelOneInLoopTest) {
    SimDevice device(kZc8Row);
    ASSERT_EQ(RunCli("loop-test on --channel 3 --yes " + device.Tcp()).status, 0);
    const CliRun common =
        RunCli("loop-test values 0=200.00 --channel 3 " + device.Tcp(), kWithErrors);
    EXPECT_EQ(common.status, 1);
    EXPECT_TRUE(Contains(common.out, LoadString(kTextLoopTestZcNote))) << common.out;
    const CliRun current = RunCli("loop-test values 8=5.000 --channel 3 " + device.Tcp());
    EXPECT_EQ(current.status, 0) << current.out;
    EXPECT_EQ(Pair(device.simulator, 64 + 32 * 2), 5000u);
    EXPECT_EQ(RunCli("loop-test off --channel 3 --yes " + device.Tcp()).status, 0);
}

TEST(CliZcPreset, EnergiesOfEitherModuleAndCountsAsIntegers) {
    SimDevice sixteen(kZc16Row);
    const CliRun energy = RunCli("preset \"Active in\" 1234.5 --channel 10 --yes " + sixteen.Tcp());
    ASSERT_EQ(energy.status, 0) << energy.out;
    EXPECT_EQ(energy.out, FormatMessageId(kMsgPresetWritten, {"10ch Active in", "1234.5"}) + "\n");
    // 10ch is page channel 1 of the extension module: 4416 + 64 + 1024.
    const uint32_t written = Pair(sixteen.simulator, 5504);
    EXPECT_GE(written, 12345u);
    EXPECT_LT(written, 12350u);
    EXPECT_EQ(
        RunCli("preset \"Active in\" 5 --channel 10 --tariff 2 --yes " + sixteen.Tcp(), kWithErrors)
            .status,
        2);

    SimDevice discrete(Variant(kZc8Row, true));
    const CliRun fraction = RunCli("preset Counter 12.5 --channel 2 --yes " + discrete.Tcp());
    EXPECT_EQ(fraction.status, 2);
    const uint32_t untouched = Pair(discrete.simulator, 4416 + 64 + 1024);
    EXPECT_NE(untouched, 125u);
    const CliRun count = RunCli("preset counter 125 --channel 2 --yes " + discrete.Tcp());
    ASSERT_EQ(count.status, 0) << count.out;
    EXPECT_EQ(count.out, FormatMessageId(kMsgPresetWritten, {"DI2 Counter", "125"}) + "\n");
    const uint32_t counted = Pair(discrete.simulator, 4416 + 64 + 1024);
    EXPECT_GE(counted, 125u);
    EXPECT_LT(counted, 130u);

    SimDevice eight(kZc8Row);
    const CliRun noInputs =
        RunCli("preset Counter 5 --channel 2 --yes " + eight.Tcp(), kWithErrors);
    EXPECT_EQ(noInputs.status, 1);
    EXPECT_TRUE(Contains(noInputs.out, "DI2")) << noInputs.out;
    EXPECT_EQ(
        RunCli("preset \"Reactive LAG\" 5 --channel 9 --yes " + eight.Tcp(), kWithErrors).status,
        1);
}

}  // namespace
}  // namespace voltaro
