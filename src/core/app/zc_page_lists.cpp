#include "core/app/zc_page_lists.h"

#include <array>
#include <vector>

#include "core/monitor/measurand_store.h"
#include "core/monitor/zc_registers.h"
#include "core/platform/list_text_ids.h"

namespace voltaro {
namespace {

using List = std::vector<CellBinding>;
using ViewLists = std::array<List, kZcViewCount>;
constexpr int kLatestRow = kZcHours + 1;
constexpr int kSumPower = 3;         // P sum within a channel's power slots
constexpr int kSumPowerFactor = 15;  // PF sum
constexpr int kEnergyActiveIn = 0;
constexpr int kEnergyReactiveLag = 1;
constexpr int kLowerCounterRow = 5;

bool Counts(int view) {
    return view == kZcViewDiscrete;
}
int EnergySlot(int view, int k, int slot) {
    return (Counts(view) ? kIdxZcCounts : kIdxZcEnergy) + kZcBlockSlots * k + slot;
}
std::size_t ViewOf(int view) {
    return static_cast<std::size_t>(view >= 0 && view < kZcViewCount ? view : 0);
}

template <typename Build>
const ViewLists& Lists(Build build) {
    static const ViewLists lists = [&] {
        ViewLists all;
        for (int view = 0; view < kZcViewCount; ++view)
            all[static_cast<std::size_t>(view)] = build(view);
        return all;
    }();
    return lists;
}

// Row 0: " " and the eight column headers.
List HeaderRow(int view) {
    List l{{kTextBlank, 0, 0}};
    for (int k = 0; k < kZcPageChannels; ++k)
        l.push_back({ZcColumnLabelId(view, k), k + 1, 0});
    return l;
}

List UpperLabels(int view) {
    List l = HeaderRow(view);
    for (int h = 0; h < kZcHours; ++h)
        l.push_back({kTextsHourRange + h, 0, h + 1});
    l.push_back({kTextsTrendColumn, 0, kLatestRow});  // "Latest"
    return l;
}

List UpperValues(int view) {
    List l;
    for (int k = 0; k < kZcPageChannels; ++k) {
        for (int h = 0; h < kZcHours; ++h)
            l.push_back({EnergySlot(view, k, kZcFirstHourSlot + h), k + 1, h + 1});
        l.push_back({EnergySlot(view, k, kZcLatestHourSlot), k + 1, kLatestRow});
    }
    return l;
}

List LowerLabels(int view) {
    if (Counts(view)) {
        List l;
        for (int r = 0; r < kZcLowerRows; ++r)
            l.push_back({r == kLowerCounterRow ? kTextCounterGroup : kTextBlank, 0, r});
        return l;
    }
    const int rows[kZcLowerRows] = {kTextsQuantity + 2,  kTextsDemandRow,    kTextsDemandRow + 1,
                                    kTextsDemandRow + 2, kTextsQuantity + 5, kTextsEnergy1 + 1,
                                    kTextsEnergy1 + 3};
    List l;
    for (int r = 0; r < kZcLowerRows; ++r)
        l.push_back({rows[r], 0, r});
    return l;
}

List LowerValues(int view) {
    List l;
    for (int k = 0; k < kZcPageChannels; ++k) {
        const int c = k + 1;
        if (Counts(view)) {
            l.push_back({EnergySlot(view, k, 0), c, kLowerCounterRow});
            continue;
        }
        const int powers = kIdxZcPowers + kZcPowerSlots * k;
        const int currents = kIdxZcCurrents + kZcCurrentSlots * k;
        l.push_back({powers + kSumPower, c, 0});
        for (int i = 0; i < 3; ++i)
            l.push_back({currents + i, c, i + 1});
        l.push_back({powers + kSumPowerFactor, c, 4});
        l.push_back({EnergySlot(view, k, kEnergyActiveIn), c, 5});
        l.push_back({EnergySlot(view, k, kEnergyReactiveLag), c, 6});
    }
    return l;
}

// Grid 1003 of the detail in the Trend view: {index, column, row}. Max adds 8 to a
// voltage or the frequency, 5 to a current and 16 to a power; Min twice that.
enum Group { kVoltage, kCurrent, kPower };
struct DetailCell {
    CellBinding cell;
    Group group;
};
constexpr int V = kIdxZcCommon, I = kIdxZcCurrents, P = kIdxZcPowers;
constexpr DetailCell kDetailTrend[] = {
    {{V + 6, 1, 1}, kVoltage}, {{I + 4, 2, 1}, kCurrent}, {{P + 3, 3, 1}, kPower},
    {{P + 7, 4, 1}, kPower},   {{P + 11, 5, 1}, kPower},  {{P + 15, 6, 1}, kPower},
    {{V + 3, 1, 2}, kVoltage}, {{I + 0, 2, 2}, kCurrent}, {{P + 0, 3, 2}, kPower},
    {{P + 4, 4, 2}, kPower},   {{P + 8, 5, 2}, kPower},   {{P + 12, 6, 2}, kPower},
    {{V + 4, 1, 3}, kVoltage}, {{I + 1, 2, 3}, kCurrent}, {{P + 1, 3, 3}, kPower},
    {{P + 5, 4, 3}, kPower},   {{P + 9, 5, 3}, kPower},   {{P + 13, 6, 3}, kPower},
    {{V + 5, 1, 4}, kVoltage}, {{I + 2, 2, 4}, kCurrent}, {{P + 2, 3, 4}, kPower},
    {{P + 6, 4, 4}, kPower},   {{P + 10, 5, 4}, kPower},  {{P + 14, 6, 4}, kPower},
    {{V + 0, 1, 5}, kVoltage}, {{V + 1, 1, 6}, kVoltage}, {{V + 2, 1, 7}, kVoltage},
    {{I + 3, 2, 7}, kCurrent}, {{V + 7, 3, 7}, kVoltage}};

List DetailInstantValues(int view) {
    constexpr int kStep[] = {kZcCommonCount, 5, 16};  // by Group
    List l;
    for (const DetailCell& d : kDetailTrend)
        l.push_back({d.cell.id + view * kStep[d.group], d.cell.column, d.cell.row});
    return l;
}

constexpr int kDemandRowCount = 8;
List DetailDemandLabels(int view) {
    const int rowLabels[kDemandRowCount] = {
        kTextsQuantity + 1, kTextsDemandRow,     kTextsDemandRow + 1, kTextsDemandRow + 2,
        kTextsQuantity + 7, kTextsDemandRow + 3, kTextsDemandRow + 4, kTextsDemandRow + 5};
    const int header[kZcDetailReadCount] = {kTextsTrendColumn, kTextsMaxColumn,
                                            kTextsMaxColumn + 5};  // "Latest", "Max", "Min"
    List l{{kTextBlank, 0, 0}, {header[view], 1, 0}};
    for (int r = 0; r < kDemandRowCount; ++r)
        l.push_back({rowLabels[r], 0, r + 1});
    return l;
}

List DetailDemandValues(int view) {
    constexpr int kTrendCurrent = kIdxZcDemand + 2;  // Isum, I1, I2, I3, IN
    constexpr int kTrendPower = kIdxZcDemand + 9;    // P, Q, S
    constexpr int kMaxRecord = kIdxZcDemand + 12;    // value, date, time per record
    constexpr int kRecordSlots = 3;
    List l;
    for (int r = 0; r < kDemandRowCount; ++r) {
        int index = 0;
        if (view == kZcDetailTrend)
            index = r < 5 ? kTrendCurrent + r : kTrendPower + r - 5;
        else
            index = kMaxRecord + kRecordSlots * (r + (view == kZcDetailMin ? kDemandRowCount : 0));
        l.push_back({index, 1, r + 1});
    }
    return l;
}

List EnergyPageLabels(int view) {
    List l = HeaderRow(view);
    if (Counts(view)) {
        l.push_back({kTextCounterGroup, 0, 1});
        l.push_back({kTextBlank, 0, 2});
    } else {
        l.push_back({kTextsEnergy1 + 1, 0, 1});  // "Active in"
        l.push_back({kTextsEnergy1 + 3, 0, 2});  // "Reactive LAG"
    }
    return l;
}

List EnergyPageValues(int view) {
    List l;
    for (int k = 0; k < kZcPageChannels; ++k) {
        l.push_back({EnergySlot(view, k, kEnergyActiveIn), k + 1, 1});
        if (!Counts(view)) l.push_back({EnergySlot(view, k, kEnergyReactiveLag), k + 1, 2});
    }
    return l;
}

std::span<const CellBinding> Of(const ViewLists& lists, int view) {
    return lists[ViewOf(view)];
}

}  // namespace

bool ZcDetailEnabled(int view) {
    return !Counts(view);
}

int ZcDetailChannel(int view, int i) {
    return ZcChannelOffset(view) + i;
}

int ZcColumnLabelId(int view, int k) {
    if (Counts(view)) return kTextsDiscreteInput + k;
    return InputLabelId(ZcChannelOffset(view) + k + 1);
}

std::span<const CellBinding> ZcUpperLabels(int view) {
    return Of(Lists([](int v) { return UpperLabels(v); }), view);
}
std::span<const CellBinding> ZcUpperValues(int view) {
    return Of(Lists([](int v) { return UpperValues(v); }), view);
}
std::span<const CellBinding> ZcLowerLabels(int view) {
    return Of(Lists([](int v) { return LowerLabels(v); }), view);
}
std::span<const CellBinding> ZcLowerValues(int view) {
    return Of(Lists([](int v) { return LowerValues(v); }), view);
}
std::span<const CellBinding> ZcInstantaneousValues(int view) {
    return Of(Lists([](int v) { return DetailInstantValues(v); }), view);
}
std::span<const CellBinding> ZcDemandLabels(int view) {
    return Of(Lists([](int v) { return DetailDemandLabels(v); }), view);
}
std::span<const CellBinding> ZcDemandValues(int view) {
    return Of(Lists([](int v) { return DetailDemandValues(v); }), view);
}
std::span<const CellBinding> ZcEnergyLabels(int view) {
    return Of(Lists([](int v) { return EnergyPageLabels(v); }), view);
}
std::span<const CellBinding> ZcEnergyValues(int view) {
    return Of(Lists([](int v) { return EnergyPageValues(v); }), view);
}

}  // namespace voltaro
