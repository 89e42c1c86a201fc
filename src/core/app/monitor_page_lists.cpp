#include "core/app/monitor_page_lists.h"

#include <array>
#include <vector>

#include "core/app/meter_monitor_model.h"
#include "core/monitor/measurand_store.h"
#include "core/platform/list_text_ids.h"

namespace voltaro {
namespace {

using List = std::vector<CellBinding>;
constexpr int kBlankText = kTextBlank;
constexpr int kMaxMinViews = kTrendTabCount;

// The index a view shows for an instantaneous index: itself (Trend), its maximum or its
// minimum.
int ViewIndex(int view, int index) {
    if (view == kTabTrend) return index;
    const bool sum = index <= kIdxFrequency;
    if (view == kTabMax) return sum ? kIdxMaximum + index : kIdxMaximumPhase + index - kIdxCurrent1;
    return sum ? kIdxMinimum + index : kIdxMinimumPhase + index - kIdxCurrent1;
}

// Grid 1003 in the Trend view: {index, column, row}.
constexpr CellBinding kInstantTrend[] = {
    {kIdxVoltageSum, 1, 1},         {kIdxCurrentSum, 2, 1},         {kIdxActivePowerSum, 3, 1},
    {kIdxActivePowerSum + 1, 4, 1}, {kIdxActivePowerSum + 2, 5, 1}, {kIdxPowerFactorSum, 6, 1},
    {kIdxPhaseVoltage1, 1, 2},      {kIdxCurrent1, 2, 2},           {kIdxActivePower1, 3, 2},
    {kIdxActivePower1 + 3, 4, 2},   {kIdxActivePower1 + 6, 5, 2},   {kIdxPowerFactor1, 6, 2},
    {kIdxPhaseVoltage1 + 1, 1, 3},  {kIdxCurrent1 + 1, 2, 3},       {kIdxActivePower1 + 1, 3, 3},
    {kIdxActivePower1 + 4, 4, 3},   {kIdxActivePower1 + 7, 5, 3},   {kIdxPowerFactor1 + 1, 6, 3},
    {kIdxPhaseVoltage1 + 2, 1, 4},  {kIdxCurrent1 + 2, 2, 4},       {kIdxActivePower1 + 2, 3, 4},
    {kIdxActivePower1 + 5, 4, 4},   {kIdxActivePower1 + 8, 5, 4},   {kIdxPowerFactor1 + 2, 6, 4},
    {kIdxLineVoltage12, 1, 5},      {kIdxLineVoltage12 + 1, 1, 6},  {kIdxLineVoltage12 + 2, 1, 7},
    {kIdxCurrent1 + 3, 2, 7},       {kIdxFrequency, 3, 7}};

const std::array<List, kMaxMinViews>& InstantValueLists() {
    static const std::array<List, kMaxMinViews> lists = [] {
        std::array<List, kMaxMinViews> all;
        for (int view = 0; view < kMaxMinViews; ++view)
            for (const CellBinding& b : kInstantTrend)
                all[static_cast<std::size_t>(view)].push_back(
                    {ViewIndex(view, b.id), b.column, b.row});
        return all;
    }();
    return lists;
}

const List& InstantLabelList() {
    static const List list = [] {
        List l{{kBlankText, 0, 0}};
        for (int c = 0; c < 6; ++c)
            l.push_back({kTextsQuantity + c, c + 1, 0});
        for (int r = 0; r < 7; ++r)
            l.push_back({kTextsPhase + r, 0, r + 1});
        l.push_back({kTextsQuantity + 7, 2, 6});  // "N. current"
        l.push_back({kTextsQuantity + 6, 3, 6});  // "Frequency"
        return l;
    }();
    return list;
}

// Grid 1004: rows 1 .. 8 are current sum, I1, I2, I3, IN, P, Q, S.
const std::array<List, kMaxMinViews>& DemandLabelLists() {
    static const std::array<List, kMaxMinViews> lists = [] {
        const int rowLabels[8] = {kTextsQuantity + 1,  kTextsDemandRow,    kTextsDemandRow + 1,
                                  kTextsDemandRow + 2, kTextsQuantity + 7, kTextsDemandRow + 3,
                                  kTextsDemandRow + 4, kTextsDemandRow + 5};
        const int firstHeader[kMaxMinViews] = {kTextsTrendColumn, kTextsMaxColumn, kBlankText};
        std::array<List, kMaxMinViews> all;
        for (int view = 0; view < kMaxMinViews; ++view) {
            List& l = all[static_cast<std::size_t>(view)];
            l.push_back({kBlankText, 0, 0});
            for (int r = 0; r < 8; ++r)
                l.push_back({rowLabels[r], 0, r + 1});
            for (int c = 0; c < 5; ++c) {
                const int id = view == kTabMin ? kBlankText : firstHeader[view] + c;
                l.push_back({id, c + 1, 0});
            }
        }
        return all;
    }();
    return lists;
}

const std::array<List, kMaxMinViews>& DemandValueLists() {
    static const std::array<List, kMaxMinViews> lists = [] {
        std::array<List, kMaxMinViews> all;
        List& trend = all[kTabTrend];
        for (int c = 1; c <= 5; ++c) {
            for (int r = 0; r < kDemandCurrentCount; ++r)
                trend.push_back({kIdxDemandCurrent + 5 * (c - 1) + r, c, r + 1});
            for (int r = 0; r < kDemandPowerCount; ++r)
                trend.push_back({kIdxDemandPower + 3 * (c - 1) + r, c, r + 6});
        }
        // Max: the five maximum current demands in column 1 and the five power demands
        // where their headings and rows meet; every other cell blank.
        std::array<std::array<int, 9>, 6> max{};
        for (auto& column : max)
            column.fill(kIdxBlank);
        for (int r = 0; r < kDemandCurrentCount; ++r)
            max[1][static_cast<std::size_t>(r + 1)] = kIdxMaxDemandCurrent + r;
        max[1][8] = kIdxMaxDemandPower + 4;
        max[2][6] = kIdxMaxDemandPower;
        max[3][6] = kIdxMaxDemandPower + 1;
        max[4][7] = kIdxMaxDemandPower + 2;
        max[5][7] = kIdxMaxDemandPower + 3;
        for (int c = 1; c <= 5; ++c) {
            for (int r = 1; r <= 8; ++r) {
                all[kTabMax].push_back(
                    {max[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)], c, r});
                all[kTabMin].push_back({kIdxBlank, c, r});
            }
        }
        return all;
    }();
    return lists;
}

constexpr int T = kTextsEnergy1;
constexpr CellBinding kEnergyLabels02[] = {
    {T + 0, 0, 0}, {T + 1, 1, 0}, {T + 2, 2, 0}, {T + 3, 3, 0}, {T + 4, 4, 0},
    {T + 9, 0, 2}, {T + 5, 1, 2}, {T + 6, 2, 2}, {T + 7, 3, 2}, {T + 8, 4, 2}};
constexpr CellBinding kEnergyLabels13[] = {
    {T + 0, 0, 0}, {T + 10, 1, 0}, {T + 11, 2, 0}, {T + 12, 3, 0}, {T + 13, 4, 0}};
constexpr int C = kTextsCounter;
constexpr CellBinding kCounterLabels[] = {{C + 0, 0, 0}, {C + 1, 1, 0},      {C + 2, 2, 0},
                                          {C + 3, 3, 0}, {kBlankText, 4, 0}, {C + 4, 0, 2},
                                          {C + 5, 1, 2}, {C + 6, 2, 2},      {C + 7, 3, 2}};

// Offsets within an energy set shown in rows 1 and 3 of views 0/2 and row 1 of views 1/3.
constexpr int kEnergyOffsets02[10] = {9, 0, 3, 1, 4, 2, 5, 6, 7, 8};
constexpr int kEnergyOffsets13[5] = {9, 10, 11, 12, 13};

const std::array<List, kEnergyTabCount>& EnergyValueLists() {
    static const std::array<List, kEnergyTabCount> lists = [] {
        std::array<List, kEnergyTabCount> all;
        for (int view = 0; view < 4; ++view) {
            const int set = view < 2 ? kIdxEnergySet1 : kIdxEnergySet2;
            List& l = all[static_cast<std::size_t>(view)];
            if (view % 2 == 0) {
                for (int i = 0; i < 10; ++i)
                    l.push_back({set + kEnergyOffsets02[i], i % 5, i < 5 ? 1 : 3});
            } else {
                for (int i = 0; i < 5; ++i)
                    l.push_back({set + kEnergyOffsets13[i], i, 1});
            }
        }
        for (int i = 0; i < kCounterCount; ++i)
            all[kEnergyTabCounter].push_back({kIdxCounter1 + i, i % 4, i < 4 ? 1 : 3});
        return all;
    }();
    return lists;
}

constexpr CellBinding kThdLabels[] = {
    {kBlankText, 0, 0},         {kTextsTrendColumn, 1, 0},   {kTextsMaxColumn, 2, 0},
    {kTextsDemandRow, 0, 1},    {kTextsDemandRow + 1, 0, 2}, {kTextsDemandRow + 2, 0, 3},
    {kTextsQuantity + 7, 0, 4}, {kTextsVoltage + 3, 0, 5},   {kTextsVoltage + 4, 0, 6},
    {kTextsVoltage + 5, 0, 7},  {kTextsVoltage, 0, 8},       {kTextsVoltage + 1, 0, 9},
    {kTextsVoltage + 2, 0, 10}};

const List& ThdValueList() {
    static const List list = [] {
        List l;
        for (int r = 0; r < kHarmonicSetCount; ++r) {
            l.push_back({kIdxThd + r, 1, r + 1});
            l.push_back({kIdxMaximumThd + r, 2, r + 1});
        }
        return l;
    }();
    return list;
}

constexpr int D = kTextsDeviceInfo;  // firmware, serial, tag, support, model, passcode
constexpr CellBinding kDeviceInfoLabels[] = {{D + 2, 0, 0}, {D + 5, 0, 1}, {D + 4, 0, 2},
                                             {D + 1, 0, 3}, {D + 0, 0, 4}, {D + 3, 0, 5}};
constexpr CellBinding kDeviceInfoValues[] = {{kIdxTagNumber, 1, 0},       {kIdxPasscodeState, 1, 1},
                                             {kIdxModelName, 1, 2},       {kIdxSerialNumber, 1, 3},
                                             {kIdxFirmwareVersion, 1, 4}, {kIdxSupportInfo, 1, 5}};
constexpr CellBinding kAnalogOutputLabels[] = {{kTextsAnalogOutput, 0, 0},
                                               {kTextsAnalogOutput + 1, 1, 0},
                                               {kTextsAnalogOutput + 2, 2, 0},
                                               {kTextsAnalogOutput + 3, 3, 0}};
constexpr CellBinding kAnalogOutputValues[] = {{kIdxAnalogOutput1, 0, 1},
                                               {kIdxAnalogOutput1 + 1, 1, 1},
                                               {kIdxAnalogOutput1 + 2, 2, 1},
                                               {kIdxAnalogOutput1 + 3, 3, 1}};

std::size_t MaxMinView(int view) {
    return view >= 0 && view < kMaxMinViews ? static_cast<std::size_t>(view) : 0;
}
std::size_t EnergyView(int view) {
    return view >= 0 && view < kEnergyTabCount ? static_cast<std::size_t>(view) : 0;
}

}  // namespace

std::span<const CellBinding> InstantaneousLabels() {
    return InstantLabelList();
}
std::span<const CellBinding> InstantaneousValues(int view) {
    return InstantValueLists()[MaxMinView(view)];
}
std::span<const CellBinding> DemandLabels(int view) {
    return DemandLabelLists()[MaxMinView(view)];
}
std::span<const CellBinding> DemandValues(int view) {
    return DemandValueLists()[MaxMinView(view)];
}

std::span<const CellBinding> EnergyLabels(int view) {
    switch (EnergyView(view)) {
        case 0:
        case 2:
            return kEnergyLabels02;
        case 1:
        case 3:
            return kEnergyLabels13;
        default:
            return kCounterLabels;
    }
}
std::span<const CellBinding> EnergyValues(int view) {
    return EnergyValueLists()[EnergyView(view)];
}
int EnergyGroupTextId(int view) {
    return EnergyView(view) == kEnergyTabCounter ? kTextCounterGroup : kTextEnergyGroup;
}

std::span<const CellBinding> ThdLabels() {
    return kThdLabels;
}
std::span<const CellBinding> ThdValues() {
    return ThdValueList();
}
std::span<const CellBinding> DeviceInfoLabels() {
    return kDeviceInfoLabels;
}
std::span<const CellBinding> DeviceInfoValues() {
    return kDeviceInfoValues;
}
std::span<const CellBinding> AnalogOutputLabels() {
    return kAnalogOutputLabels;
}
std::span<const CellBinding> AnalogOutputValues() {
    return kAnalogOutputValues;
}

int LookupIndex(std::span<const CellBinding> values, int column, int row) {
    for (const CellBinding& b : values)
        if (b.column == column && b.row == row) return b.id;
    return -1;
}

}  // namespace voltaro
