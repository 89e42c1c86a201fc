// The energy page and the max/min page: display lists by view, which cells may be preset,
// the input check and the value/fraction arithmetic of each preset kind.
#include <gtest/gtest.h>

#include "core/app/energy_page_model.h"
#include "core/app/meter_monitor_model.h"
#include "core/app/monitor_page_lists.h"
#include "core/model/device_registers.h"
#include "core/platform/list_text_ids.h"
#include "core/platform/message_format.h"
#include "core/platform/message_ids.h"
#include "core/platform/string_table.h"
#include "support/test_support.h"

namespace voltaro {
namespace {

const PresetEntry& Entry(int index) {
    const PresetEntry* e = FindPresetEntry(index);
    EXPECT_NE(e, nullptr) << index;
    static const PresetEntry none{};
    return e ? *e : none;
}

PresetWords Words(int index, const std::string& text) {
    const PresetEntry& e = Entry(index);
    return PresetWordsOf(e.kind, ParsePresetInput(e, text));
}

TEST(EnergyPreset, ValueAndFractionWordsOfEachKind) {
    const PresetWords active = Words(kIdxEnergySet1, "1234.5");  // "Active in"
    EXPECT_EQ(active.value, 12345);
    EXPECT_EQ(active.fraction, 1u);
    EXPECT_TRUE(active.hasFraction);
    EXPECT_EQ(EnergyText(active.value, active.fraction), "1234.5000");

    const PresetWords tiny = Words(kIdxEnergySet1 + 1, "0.0001");
    EXPECT_EQ(tiny.value, 0);
    EXPECT_EQ(tiny.fraction, 4294968u);
    EXPECT_EQ(EnergyText(tiny.value, tiny.fraction), "0.0001");

    const PresetWords negative = Words(kIdxEnergySet1 + kEnergyActiveInOut, "-1.55");
    EXPECT_EQ(negative.value, -16);
    EXPECT_EQ(negative.fraction, 2147483649u);
    EXPECT_EQ(EnergyText(negative.value, negative.fraction), "-1.5500");

    const PresetWords whole = Words(kIdxEnergySet2 + kEnergyActiveInOut, "-3");
    EXPECT_EQ(whole.value, -30);  // no remainder: the tenth is not lowered
    EXPECT_EQ(whole.fraction, 1u);

    const PresetWords time = Words(kIdxEnergySet1 + kEnergyOperatingTime, "12.34");
    EXPECT_EQ(time.value, 123);  // tenths of an hour, rounded
    EXPECT_EQ(time.fraction, 0u);
    EXPECT_TRUE(time.hasFraction);

    const PresetWords counter = Words(kIdxCounter1 + 4, "999999999");
    EXPECT_EQ(counter.value, 999999999);
    EXPECT_FALSE(counter.hasFraction);
}

TEST(EnergyPreset, RoundsHalfAwayFromZero) {
    EXPECT_EQ(Words(kIdxEnergySet1 + kEnergyOperatingTime, "0.05").value, 1);
    EXPECT_EQ(Words(kIdxEnergySet1 + kEnergyOperatingTime, "0.04").value, 0);
    // -0.00005 scales to -0.5 and rounds to -1 (x = -1): -0.0001.
    const PresetWords w = Words(kIdxEnergySet1 + kEnergyActiveInOut, "-0.00005");
    EXPECT_EQ(EnergyText(w.value, w.fraction), "-0.0001");
    EXPECT_EQ(Words(kIdxEnergySet1, "99999999.9999").value, 999999999);
}

TEST(EnergyPreset, InputCheckNamesTheValue) {
    const auto message = [](int index, const std::string& text) {
        return test::MessageOf([&] { ParsePresetInput(Entry(index), text); });
    };
    const std::string activeIn = LoadString(kTextsEnergy1 + 1);
    EXPECT_EQ(message(kIdxEnergySet1, "12a"), FormatMessageId(kMsgNotNumber, {activeIn}));
    EXPECT_EQ(message(kIdxEnergySet1, ""), FormatMessageId(kMsgNotNumber, {activeIn}));
    EXPECT_EQ(message(kIdxCounter1, "1.5"),
              FormatMessageId(kMsgNotInteger, {LoadString(kTextsCounter)}));
    EXPECT_NE(message(kIdxEnergySet1, "-1").find(activeIn), std::string::npos);
    EXPECT_NE(message(kIdxEnergySet1, "100000000"), test::kNoException);
    EXPECT_NE(message(kIdxEnergySet1 + kEnergyActiveInOut, "-100000000"), test::kNoException);
    EXPECT_EQ(message(kIdxEnergySet1 + kEnergyActiveInOut, "-99999999.9"), test::kNoException);
    EXPECT_NE(message(kIdxEnergySet1 + kEnergyOperatingTime, "100000000"), test::kNoException);
}

TEST(EnergyPreset, TableCoversBothTariffsAndTheCounters) {
    const auto table = PresetTable();
    EXPECT_EQ(table.size(), 36u);
    EXPECT_EQ(Entry(kIdxEnergySet1).address, 128);
    EXPECT_EQ(Entry(kIdxEnergySet2 + 13).address, 186);
    EXPECT_EQ(Entry(kIdxEnergySet2 + kEnergyOperatingTime).address, 178);
    EXPECT_EQ(Entry(kIdxCounter1 + 7).address, kCounterRegister + 14);
    EXPECT_EQ(Entry(kIdxEnergySet1 + kEnergyActiveInOut).kind, kPresetSignedEnergy);
    for (const PresetEntry& e : table) {
        // Every value sits in its set's register order: two registers per value.
        if (e.kind == kPresetCounter) continue;
        const int set = e.index < kIdxEnergySet2 ? kIdxEnergySet1 : kIdxEnergySet2;
        EXPECT_EQ(e.address, (set == kIdxEnergySet1 ? 128 : 160) + 2 * (e.index - set)) << e.index;
    }
    EXPECT_EQ(FindPresetEntry(kIdxVoltageSum), nullptr);
}

TEST(EnergyPage, EditableCellsOfEachView) {
    CEnergyPageModel page;
    CMeasurandsKT2 store;
    std::vector<MeasurandCell> cells;
    page.Fill(store, CDeviceType(7851, 200, 0x0012, {0, 0, 0, 1, 4}), cells);
    EXPECT_EQ(page.LookupIndex(1, 1), kIdxEnergySet1);  // "Active in"
    EXPECT_EQ(page.LookupIndex(1, 0), -1);              // a label
    EXPECT_NE(page.EditableEntry(0, 3), nullptr);       // "Apparent"
    page.SetView(kEnergyTabCounter);
    EXPECT_EQ(page.GroupTextId(), kTextCounterGroup);
    EXPECT_NE(page.EditableEntry(3, 1), nullptr);  // counter 4 of 4
    EXPECT_EQ(page.EditableEntry(0, 3), nullptr);  // counter 5 of a 4-counter device
    page.SetView(1);
    EXPECT_EQ(page.GroupTextId(), kTextEnergyGroup);
    EXPECT_EQ(page.LookupIndex(3, 1), kIdxEnergySet1 + kEnergyActiveInOut);
    EXPECT_EQ(page.EditableEntry(0, 3), nullptr);  // no third row in this view
    page.SetView(7);                               // not a view: unchanged
    EXPECT_EQ(page.View(), 1);
}

TEST(EnergyPage, FillShowsTheViewAndAStoredPreset) {
    CEnergyPageModel page;
    CMeasurandsKT2 store;
    store.SetValue(kIdxEnergySet2, 50);
    page.SetView(2);
    std::vector<MeasurandCell> cells;
    EXPECT_TRUE(page.Fill(store, CDeviceType(), cells));
    ASSERT_EQ(cells.size(), 10u);
    EXPECT_EQ(cells[1].text, "5.0000");
    const PresetEntry& e = Entry(kIdxEnergySet2);
    StorePresetWords(store, e, PresetWordsOf(e.kind, 70000));
    EXPECT_EQ(store.Value(kIdxEnergySet2), 70);
    EXPECT_EQ(store.Fraction(kIdxEnergySet2 + kFractionSlotDistance), 1u);
}

TEST(MaxMinPage, ViewsShowValuesMaximaAndMinimaInTheSameCells) {
    const auto trend = InstantaneousValues(kTabTrend);
    const auto max = InstantaneousValues(kTabMax);
    const auto min = InstantaneousValues(kTabMin);
    ASSERT_EQ(trend.size(), max.size());
    EXPECT_EQ(LookupIndex(trend, 1, 2), kIdxPhaseVoltage1);
    EXPECT_EQ(LookupIndex(max, 1, 2), 144);
    EXPECT_EQ(LookupIndex(min, 1, 2), 193);
    EXPECT_EQ(LookupIndex(trend, 3, 7), kIdxFrequency);
    EXPECT_EQ(LookupIndex(max, 3, 7), 135);
    EXPECT_EQ(LookupIndex(min, 2, 7), 189);  // minimum N current
    EXPECT_EQ(LookupIndex(trend, 2, 5), -1);
    // Demand grid: Max has five maximum demands and blanks; Min only blanks under blank
    // headings.
    EXPECT_EQ(LookupIndex(DemandValues(kTabTrend), 5, 8), 128);
    EXPECT_EQ(LookupIndex(DemandValues(kTabMax), 5, 7), kIdxMaxDemandPower + 3);
    EXPECT_EQ(LookupIndex(DemandValues(kTabMax), 2, 1), kIdxBlank);
    for (const CellBinding& b : DemandValues(kTabMin))
        EXPECT_EQ(b.id, kIdxBlank);
    EXPECT_EQ(DemandValues(kTabMin).size(), 40u);
    for (const CellBinding& b : DemandLabels(kTabMin))
        if (b.row == 0) {
            EXPECT_EQ(b.id, kTextBlank);
        }
    EXPECT_EQ(LookupIndex(DemandLabels(kTabMax), 3, 0), kTextsMaxColumn + 2);
}

}  // namespace
}  // namespace voltaro
