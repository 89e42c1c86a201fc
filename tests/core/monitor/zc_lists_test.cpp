// The ZC register lists and display lists: which registers each view and each detail read
// take, where they land, what the main page, the detail and the energy page show, and the
// preset table's registers and input checks.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/app/monitor_page_lists.h"
#include "core/app/pm_detail_model.h"
#include "core/app/zc_energy_page_model.h"
#include "core/app/zc_page_lists.h"
#include "core/monitor/measurand_format.h"
#include "core/monitor/zc_preset.h"
#include "core/monitor/zc_reads.h"
#include "core/platform/list_text_ids.h"
#include "core/platform/private_exception.h"
#include "support/test_support.h"

namespace voltaro {
namespace {

// The block that fills measurand slot index, or nullptr.
const RegisterBlock* BlockInto(const std::vector<RegisterBlock>& list, int index) {
    for (const RegisterBlock& b : list)
        if (b.start >= 0 && index >= b.offset && index < b.offset + b.count) return &b;
    return nullptr;
}

int LabelAt(std::span<const CellBinding> labels, int column, int row) {
    for (const CellBinding& b : labels)
        if (b.column == column && b.row == row) return b.id;
    return -1;
}

TEST(ZcRegisterLists, ViewsReadTheModuleOfTheirChannels) {
    const auto basic = ZcMonitorRegisterList(kZcViewBasic);
    const auto extension = ZcMonitorRegisterList(kZcViewExtension);
    const auto discrete = ZcMonitorRegisterList(kZcViewDiscrete);
    EXPECT_EQ(basic.back().start, -1);
    EXPECT_EQ(basic.size(), 8u * 3 + 1);
    EXPECT_EQ(discrete.size(), 8u + 1);
    // Channel 3 of the basic module: B(3) = 4416 + 64 + 256.
    EXPECT_EQ(BlockInto(basic, kIdxZcEnergy + 3 * 29)->start, 4736);
    EXPECT_EQ(BlockInto(basic, kIdxZcCurrents + 3 * 15)->start, 64 + 32 * 3);
    EXPECT_EQ(BlockInto(basic, kIdxZcPowers + 3 * 48)->start, 576 + 96 * 3);
    // Channel 10 (page column 2) of the extension module lands in page channel 2's slots.
    EXPECT_EQ(BlockInto(extension, kIdxZcEnergy + 2 * 29)->start, 4416 + 256 + 1024);
    EXPECT_EQ(BlockInto(extension, kIdxZcCurrents + 2 * 15)->start, 64 + 32 * 10);
    EXPECT_EQ(BlockInto(extension, kIdxZcPowers + 2 * 48)->start, 576 + 96 * 10);
    // The discrete inputs: counts only, from the extension module's blocks.
    EXPECT_EQ(BlockInto(discrete, kIdxZcCounts + 7 * 29)->start, 4416 + 64 + 768 + 1024);
    EXPECT_EQ(BlockInto(discrete, kIdxZcEnergy), nullptr);
    EXPECT_EQ(BlockInto(discrete, kIdxZcCurrents), nullptr);
}

TEST(ZcRegisterLists, DetailOfChannelTenUsesTheRegistersOfTheExtensionView) {
    // The second "Detail" button of view 1 opens channel 9 ("10ch").
    ASSERT_TRUE(ZcDetailEnabled(kZcViewExtension));
    const int channel = ZcDetailChannel(kZcViewExtension, 1);
    EXPECT_EQ(channel, 9);
    EXPECT_EQ(CPMDetailModel(channel).Caption(), "Channel Detail (10ch)");
    const auto trend = ZcDetailRegisterList(kZcDetailTrend, channel);
    EXPECT_EQ(BlockInto(trend, kIdxZcCurrents)->start, 352);
    EXPECT_EQ(BlockInto(trend, kIdxZcPowers)->start, 1440);
    const auto view1 = ZcMonitorRegisterList(kZcViewExtension);
    EXPECT_EQ(BlockInto(view1, kIdxZcCurrents + 15)->start, 352);
    EXPECT_EQ(BlockInto(view1, kIdxZcPowers + 48)->start, 1440);
    // Trend demand, then the eight maximum and minimum demand records one by one.
    EXPECT_EQ(BlockInto(trend, 1220)->start, 2115 + 144 * 9);
    EXPECT_EQ(BlockInto(trend, 1227)->start, 2128 + 144 * 9);
    const auto max = ZcDetailRegisterList(kZcDetailMax, channel);
    const auto min = ZcDetailRegisterList(kZcDetailMin, channel);
    EXPECT_EQ(BlockInto(max, 698)->start, 16);
    EXPECT_EQ(BlockInto(max, 719)->start, 74 + 32 * 9);
    EXPECT_EQ(BlockInto(max, 850)->start, 608 + 96 * 9);
    EXPECT_EQ(BlockInto(min, 866)->start, 640 + 96 * 9);
    for (int j = 0; j < 8; ++j) {
        EXPECT_EQ(BlockInto(max, 1230 + 3 * j)->start, 2140 + 144 * 9 + 5 * j);
        EXPECT_EQ(BlockInto(min, 1254 + 3 * j)->start, 2195 + 144 * 9 + 5 * j);
        // The time stamps after each record are not read.
        EXPECT_EQ(BlockInto(max, 1231 + 3 * j), nullptr);
    }
}

TEST(ZcRegisterLists, HarmonicSetsAndResetRegisters) {
    EXPECT_EQ(ZcHarmonicSetRegister(6, 0), 6640);  // voltage 3-1 of any channel
    EXPECT_EQ(ZcHarmonicSetRegister(6, 12), 6640);
    EXPECT_EQ(ZcHarmonicSetRegister(2, 9), (419 + 2 + 36) * 16);
    // Common resets go to channel 0, the others to the page's channel.
    EXPECT_EQ(ZcResetRegisterOf(ZcResetChannel(kZcResetMaxMinVoltage, 5)), 8995);
    EXPECT_EQ(ZcResetRegisterOf(ZcResetChannel(kZcResetMaxMinFrequency, 5)), 8995);
    EXPECT_EQ(ZcResetRegisterOf(ZcResetChannel(kZcResetThdVoltage, 15)), 8995);
    EXPECT_EQ(ZcResetRegisterOf(ZcResetChannel(kZcResetThdCurrent, 5)), 9000);
    EXPECT_EQ(ZcResetRegisterOf(ZcResetChannel(kZcResetHourly, 12)), 9007);
}

TEST(ZcPageLists, DiscreteInputViewShowsCountsOnly) {
    EXPECT_FALSE(ZcDetailEnabled(kZcViewDiscrete));
    EXPECT_TRUE(ZcDetailEnabled(kZcViewBasic));
    for (int k = 0; k < 8; ++k) {
        EXPECT_EQ(LabelAt(ZcUpperLabels(kZcViewDiscrete), k + 1, 0), kTextsDiscreteInput + k);
        EXPECT_EQ(LabelAt(ZcUpperLabels(kZcViewExtension), k + 1, 0), InputLabelId(9 + k));
        EXPECT_EQ(LookupIndex(ZcUpperValues(kZcViewDiscrete), k + 1, 1), 463 + 29 * k);
        EXPECT_EQ(LookupIndex(ZcUpperValues(kZcViewDiscrete), k + 1, 25), 461 + 29 * k);
        EXPECT_EQ(LookupIndex(ZcUpperValues(kZcViewBasic), k + 1, 24), 254 + 29 * k);
    }
    // The lower grid of view 2: only the "Counter" row.
    const auto lower = ZcLowerValues(kZcViewDiscrete);
    EXPECT_EQ(lower.size(), 8u);
    EXPECT_TRUE(std::all_of(lower.begin(), lower.end(), [](const CellBinding& b) {
        return b.row == 5 && b.id == 458 + 29 * (b.column - 1);
    }));
    EXPECT_EQ(LabelAt(ZcLowerLabels(kZcViewDiscrete), 0, 5), kTextCounterGroup);
    EXPECT_EQ(LabelAt(ZcLowerLabels(kZcViewDiscrete), 0, 0), kTextBlank);
    // Views 0 and 1: active power, currents, power factor and the two energies.
    const auto view0 = ZcLowerValues(kZcViewBasic);
    EXPECT_EQ(LookupIndex(view0, 8, 0), 837 + 48 * 7);
    EXPECT_EQ(LookupIndex(view0, 8, 3), 716 + 15 * 7);
    EXPECT_EQ(LookupIndex(view0, 8, 4), 849 + 48 * 7);
    EXPECT_EQ(LookupIndex(view0, 8, 6), 227 + 29 * 7);
}

TEST(ZcPageLists, DetailGridsFollowTheTabs) {
    EXPECT_EQ(LookupIndex(ZcInstantaneousValues(kZcDetailTrend), 1, 1), 696);
    EXPECT_EQ(LookupIndex(ZcInstantaneousValues(kZcDetailTrend), 3, 7), 697);  // frequency
    EXPECT_EQ(LookupIndex(ZcInstantaneousValues(kZcDetailMax), 3, 7), 705);
    EXPECT_EQ(LookupIndex(ZcInstantaneousValues(kZcDetailMax), 2, 1), 723);
    EXPECT_EQ(LookupIndex(ZcInstantaneousValues(kZcDetailMin), 6, 1), 881);
    EXPECT_EQ(LookupIndex(ZcInstantaneousValues(kZcDetailMin), 1, 5), 706);
    EXPECT_EQ(LookupIndex(ZcDemandValues(kZcDetailTrend), 1, 5), 1224);
    EXPECT_EQ(LookupIndex(ZcDemandValues(kZcDetailTrend), 1, 6), 1227);
    EXPECT_EQ(LookupIndex(ZcDemandValues(kZcDetailMax), 1, 8), 1251);
    EXPECT_EQ(LookupIndex(ZcDemandValues(kZcDetailMin), 1, 1), 1254);
    EXPECT_EQ(LabelAt(ZcDemandLabels(kZcDetailMin), 1, 0), 1255);
    // Kinds follow: a maximum demand date slot formats as a date, not as a current.
    EXPECT_EQ(MeasurandKindOf(1231), kKindDate);
    EXPECT_EQ(MeasurandKindOf(1230), kKindCurrent);
}

TEST(ZcPreset, RegistersScalesAndRefusals) {
    EXPECT_EQ(ZcPresetTable().size(), 24u);
    CZcEnergyPageModel page;
    page.SetView(kZcViewExtension);
    // "9ch" is page column 1; "Active in" row 1.
    const PresetEntry* activeIn = page.EditableEntry(1, 1);
    ASSERT_NE(activeIn, nullptr);
    EXPECT_EQ(ZcPresetRegister(*activeIn, kZcViewExtension), 5440);
    EXPECT_EQ(ZcPresetRegister(*page.EditableEntry(2, 2), kZcViewExtension), 4416 + 64 + 2 + 1024);
    EXPECT_EQ(ParseZcPresetInput(*activeIn, kZcViewExtension, "12.5"), 125);
    EXPECT_EQ(ParseZcPresetInput(*activeIn, kZcViewBasic, "99999999.9"), 999999999);
    EXPECT_NE(test::MessageOf([&] { ParseZcPresetInput(*activeIn, 0, "-0.1"); }),
              test::kNoException);
    page.SetView(kZcViewDiscrete);
    EXPECT_EQ(page.EditableEntry(1, 2), nullptr);  // no second row for the counts
    const PresetEntry* di8 = page.EditableEntry(8, 1);
    ASSERT_NE(di8, nullptr);
    EXPECT_EQ(ZcPresetRegister(*di8, kZcViewDiscrete), 4416 + 64 + 768 + 1024);
    EXPECT_EQ(ParseZcPresetInput(*di8, kZcViewDiscrete, "125"), 125);
    const std::string refused =
        test::MessageOf([&] { ParseZcPresetInput(*di8, kZcViewDiscrete, "12.5"); });
    EXPECT_NE(refused.find("Counter"), std::string::npos) << refused;
    EXPECT_EQ(page.EditableEntry(0, 1), nullptr);  // a label
}

}  // namespace
}  // namespace voltaro
