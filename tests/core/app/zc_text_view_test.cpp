// A ZC pass without a window: its indexes cover every value the main page and the channel
// detail show, every index has a name of its own that says the channel, and the text
// view lays out the page of each module and the detail.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "core/app/monitor_page_lists.h"
#include "core/app/zc_page_lists.h"
#include "core/app/zc_text_view.h"
#include "core/monitor/measurand_labels.h"
#include "core/monitor/zc_pass.h"
#include "core/monitor/zc_registers.h"
#include "core/platform/list_text_ids.h"
#include "core/platform/message_format.h"

namespace voltaro {
namespace {

constexpr int kDetail = -1;
// The trend demand of the N current is shown but read by none of the detail's blocks.
constexpr int kUnreadNCurrentDemand = kIdxZcDemand + 6;

bool Has(const std::vector<int>& list, int index) {
    return std::binary_search(list.begin(), list.end(), index);
}

void ExpectCovered(std::span<const CellBinding> values, const std::vector<int>& indexes) {
    for (const CellBinding& b : values) {
        if (b.id != kIdxBlank && b.id != kUnreadNCurrentDemand) {
            EXPECT_TRUE(Has(indexes, b.id)) << "index " << b.id;
        }
    }
}

TEST(ZcPassIndexes, CoverEveryValueOfThePageAndTheDetail) {
    for (int view = 0; view < kZcViewCount; ++view) {
        SCOPED_TRACE(view);
        const std::vector<int> indexes = ZcPassIndexes(view, false);
        ExpectCovered(ZcUpperValues(view), indexes);
        ExpectCovered(ZcLowerValues(view), indexes);
        EXPECT_TRUE(Has(indexes, kIdxDeviceDate) && Has(indexes, kIdxDeviceTime));
        EXPECT_TRUE(Has(indexes, kIdxModelName));
        // The unused slots of a block and the other module's kind of block are not listed.
        EXPECT_FALSE(Has(indexes, kIdxZcEnergy + 2));
        EXPECT_EQ(Has(indexes, kIdxZcEnergy), view != kZcViewDiscrete);
        EXPECT_EQ(Has(indexes, kIdxZcCounts), view == kZcViewDiscrete);
        EXPECT_FALSE(Has(indexes, kIdxZcCounts + 1));  // counts have no second value
    }
    const std::vector<int> detail = ZcPassIndexes(kDetail, true);
    for (int read = 0; read < kZcDetailReadCount; ++read) {
        ExpectCovered(ZcInstantaneousValues(read), detail);
        ExpectCovered(ZcDemandValues(read), detail);
    }
    ExpectCovered(ThdValues(), detail);
    EXPECT_FALSE(Has(detail, kIdxDeviceDate));
    EXPECT_FALSE(Has(detail, kUnreadNCurrentDemand));
    EXPECT_FALSE(Has(detail, kIdxZcEnergy));
}

TEST(ZcMeasurandLabel, EveryIndexOfAPassHasItsOwnName) {
    struct Case {
        int view;
        bool detail;
        int firstChannel;
    };
    for (const Case c : {Case{kZcViewBasic, false, 0}, Case{kZcViewExtension, false, 8},
                         Case{kZcViewDiscrete, false, 8}, Case{kDetail, true, 9}}) {
        SCOPED_TRACE(c.view);
        std::set<std::string> names;
        for (int index : ZcPassIndexes(c.view, c.detail)) {
            const std::string name = ZcMeasurandLabel(index, c.firstChannel);
            EXPECT_NE(name, FormatMessageId(kTextIndexName, {index})) << index;
            EXPECT_TRUE(names.insert(name).second) << "twice: " << name;
        }
    }
}

TEST(ZcMeasurandLabel, NamesTheChannelThePageOrDetailHolds) {
    EXPECT_EQ(ZcMeasurandLabel(kIdxZcEnergy + 5, 0), "1ch 00:00 to 01:00");
    EXPECT_EQ(ZcMeasurandLabel(kIdxZcEnergy + kZcBlockSlots * 2, 8), "11ch Active in");
    EXPECT_EQ(ZcMeasurandLabel(kIdxZcEnergy + kZcBlockSlots * 7 + 1, 8), "16ch Reactive LAG");
    EXPECT_EQ(ZcMeasurandLabel(kIdxZcCounts + kZcLatestHourSlot, 8), "DI1 Latest");
    EXPECT_EQ(ZcMeasurandLabel(kIdxZcCounts + kZcBlockSlots * 7, 0), "DI8 Counter");
    EXPECT_EQ(ZcMeasurandLabel(kIdxZcCurrents + 5, 9), "10ch Max Current 1");
    EXPECT_EQ(ZcMeasurandLabel(kIdxZcPowers + kZcPowerSlots + 3, 0), "2ch Active power (sum)");
    // The common voltages belong to no channel.
    EXPECT_EQ(ZcMeasurandLabel(kIdxZcCommon + 8, 9), "Max Voltage 1-2");
    EXPECT_EQ(ZcMeasurandLabel(kIdxDeviceTime, 0), "Device time");
    EXPECT_EQ(ZcMeasurandLabel(kIdxCurrent1, 3), MeasurandLabel(kIdxCurrent1));
}

const TextSection* Titled(const std::vector<TextSection>& sections, const std::string& title) {
    for (const TextSection& s : sections)
        if (s.title == title) return &s;
    return nullptr;
}

TEST(ZcMonitorTextSections, PageOfEachModuleAndDetailOfAChannel) {
    CMeasurandsKT2 store;
    for (int i = kIdxZcEnergy; i < kIdxZcDemand + kZcPageChannels * kZcDemandSlots; ++i)
        store.SetValue(i, i);

    const auto extension = ZcMonitorTextSections(store, kZcViewExtension, -1, {});
    const TextSection* hourly = Titled(extension, "Extension Module: Hourly values");
    ASSERT_NE(hourly, nullptr);
    EXPECT_EQ(hourly->rows[0][1], "9ch");
    EXPECT_EQ(hourly->rows[25][0], "Latest");
    EXPECT_EQ(hourly->rows[25][8], "43.2");  // index 229 + 29 x 7 = 432, in tenths
    const TextSection* present = Titled(extension, "Extension Module: Instantaneous");
    ASSERT_NE(present, nullptr);
    EXPECT_EQ(present->rows[0][8], "16ch");  // the column heads of the page
    EXPECT_EQ(present->rows[1][0], "Active power");

    const auto discrete = ZcMonitorTextSections(store, kZcViewDiscrete, -1, {});
    const TextSection* counts = Titled(discrete, "Extension Module: Instantaneous");
    ASSERT_NE(counts, nullptr);
    ASSERT_EQ(counts->rows.size(), 2u);  // heads and the counter row only
    EXPECT_EQ(counts->rows[0][1], "DI1");
    EXPECT_EQ(counts->rows[1][0], "Counter");
    EXPECT_EQ(counts->rows[1][1], std::to_string(kIdxZcCounts));

    const auto detail = ZcMonitorTextSections(store, -1, 9, {6});
    EXPECT_NE(Titled(detail, "10ch Instantaneous: Max"), nullptr);
    EXPECT_NE(Titled(detail, "10ch Demand: Min"), nullptr);
    EXPECT_NE(Titled(detail, "Harmonics: Voltage 3-1"), nullptr);
    EXPECT_EQ(Titled(detail, "Extension Module: Hourly values"), nullptr);
}

}  // namespace
}  // namespace voltaro
