// Decoding of measurand slots into grid texts: every kind's edge cases, the derived texts,
// the labels of the indexes and the cell texts of a value list.
#include <gtest/gtest.h>

#include <set>

#include "core/monitor/measurand_format.h"
#include "core/monitor/measurand_labels.h"
#include "core/platform/list_text_ids.h"
#include "core/platform/string_table.h"

namespace voltaro {
namespace {

TEST(FormatMeasurand, NumbersOfEachKind) {
    CMeasurandsKT2 store;
    store.SetValue(kIdxCurrent1, 5123);         // mA
    store.SetValue(kIdxLineVoltage12, -11050);  // 0.01 V
    store.SetValue(kIdxActivePowerSum, -1500);  // W
    store.SetValue(kIdxPowerFactorSum, -9850);  // 0.0001
    store.SetValue(kIdxFrequency, 5001);        // 0.01 Hz
    store.SetValue(kIdxLeadLagSum, 0);
    store.SetValue(kIdxLeadLag1, 1);
    store.SetValue(kIdxLeadLag1 + 1, -1);
    store.SetValue(kIdxThd, 37);
    store.SetValue(kIdxCounter1 + 2, 123456789);
    store.SetValue(kIdxEnergySet1 + kEnergyOperatingTime, 87);
    EXPECT_EQ(FormatMeasurand(store, kIdxCurrent1), "5.123");
    EXPECT_EQ(FormatMeasurand(store, kIdxLineVoltage12), "-110.50");
    EXPECT_EQ(FormatMeasurand(store, kIdxActivePowerSum), "-1500");
    EXPECT_EQ(FormatMeasurand(store, kIdxPowerFactorSum), "-0.9850");
    EXPECT_EQ(FormatMeasurand(store, kIdxFrequency), "50.01");
    EXPECT_EQ(FormatMeasurand(store, kIdxLeadLagSum), "lag");
    EXPECT_EQ(FormatMeasurand(store, kIdxLeadLag1), "lead");
    EXPECT_EQ(FormatMeasurand(store, kIdxLeadLag1 + 1), "lead");
    EXPECT_EQ(FormatMeasurand(store, kIdxThd), "3.7");
    EXPECT_EQ(FormatMeasurand(store, kIdxCounter1 + 2), "123456789");
    EXPECT_EQ(FormatMeasurand(store, kIdxEnergySet1 + kEnergyOperatingTime), "8.7");
    // Maxima, minima and demands decode as the value they belong to.
    store.SetValue(kIdxMaximumPhase + 7, 23012);  // maximum of voltage 1-N
    store.SetValue(kIdxMinimum + kIdxPowerFactorSum, 9000);
    store.SetValue(kIdxMaxDemandPower + 2, -77);  // reactive LAG demand
    store.SetValue(kIdxDemandCurrent + 7, 1500);  // history 1, current 2
    EXPECT_EQ(FormatMeasurand(store, kIdxMaximumPhase + 7), "230.12");
    EXPECT_EQ(FormatMeasurand(store, kIdxMinimum + kIdxPowerFactorSum), "0.9000");
    EXPECT_EQ(FormatMeasurand(store, kIdxMaxDemandPower + 2), "-77");
    EXPECT_EQ(FormatMeasurand(store, kIdxDemandCurrent + 7), "1.500");
}

TEST(FormatMeasurand, BlankAndUnassignedIndexesAreEmpty) {
    CMeasurandsKT2 store;
    store.SetValue(kIdxBlank, 5);
    store.SetValue(136, 5);  // between the maxima of the sums and of the phases
    store.SetValue(kIdxEnergyFraction1, 5);
    EXPECT_EQ(FormatMeasurand(store, kIdxBlank), "");
    EXPECT_EQ(FormatMeasurand(store, 136), "");
    EXPECT_EQ(FormatMeasurand(store, kIdxEnergyFraction1), "");
    EXPECT_EQ(FormatMeasurand(store, -1), "");
    EXPECT_EQ(FormatMeasurand(store, kMeasurandIndexCount), "");
    EXPECT_EQ(FormatMeasurand(store, kMeasurandSlots + 10), "");
    EXPECT_EQ(MeasurandKindOf(kMeasurandIndexCount), kKindBlank);
}

TEST(FormatMeasurand, EnergyAddsItsFractionWord) {
    CMeasurandsKT2 store;
    const auto set = [&](int index, int32_t whole, uint32_t fraction) {
        store.SetValue(index, whole);
        store.SetValue(index + kFractionSlotDistance, static_cast<int32_t>(fraction));
    };
    set(kIdxEnergySet1, 12345, 2147483648u);
    set(kIdxEnergySet1 + 1, 0, 4294968);  // the preset of 0.0001
    set(kIdxEnergySet2 + kEnergyActiveInOut, -16, 2147483649u);
    set(kIdxEnergySet2 + 2, 7, 0xFFFFFFFFu);  // the largest fraction: q = 1000
    EXPECT_EQ(FormatMeasurand(store, kIdxEnergySet1), "1234.5500");
    EXPECT_EQ(FormatMeasurand(store, kIdxEnergySet1 + 1), "0.0001");
    EXPECT_EQ(FormatMeasurand(store, kIdxEnergySet2 + kEnergyActiveInOut), "-1.5500");
    EXPECT_EQ(FormatMeasurand(store, kIdxEnergySet2 + 2), "0.8000");
    EXPECT_EQ(EnergyText(2147483647, 0), "214748364.7000");
}

TEST(FormatMeasurand, AnalogOutputsFollowCountAndOutputKind) {
    CMeasurandsKT2 store;
    store.analogOutputs = {1200, 2000, 400, 0};
    store.extensionId = 0x0001;  // 4-20 mA
    store.ioConfig[kIoAnalogOutputs] = 2;
    EXPECT_EQ(FormatMeasurand(store, kIdxAnalogOutput1), "12.00");
    EXPECT_EQ(FormatMeasurand(store, kIdxAnalogOutput1 + 1), "20.00");
    EXPECT_EQ(FormatMeasurand(store, kIdxAnalogOutput1 + 2), "");
    store.ioConfig[kIoAnalogOutputs] = 0;  // no count: all four shown
    EXPECT_EQ(FormatMeasurand(store, kIdxAnalogOutput1 + 3), "0.00");
    store.extensionId = 0x0004;  // 1-5 V
    EXPECT_EQ(FormatMeasurand(store, kIdxAnalogOutput1 + 2), "0.400");
    store.extensionId = 0x0002;  // neither output kind
    EXPECT_EQ(FormatMeasurand(store, kIdxAnalogOutput1), "");
}

TEST(FormatMeasurand, BcdDateAndTime) {
    CMeasurandsKT2 store;
    // Registers 0x2407 (YYMM), 0x1513 (DDhh), 0x3045 (mmss) read into two slots.
    store.SetValue(kIdxDeviceDate, static_cast<int32_t>(0x15132407));
    store.SetValue(kIdxDeviceTime, 0x3045);
    EXPECT_EQ(FormatMeasurand(store, kIdxDeviceDate), "2024/07/15");
    EXPECT_EQ(FormatMeasurand(store, kIdxDeviceTime), "13:30:45");
}

TEST(FormatMeasurand, DerivedIdentityTexts) {
    CMeasurandsKT2 store;
    const uint16_t identity[14] = {7821,   305,    0x4953, 0x314D, 0x0032, 0x3939, 0x4150,
                                   0x454E, 0x004C, 0x4141, 0,      0,      0,      0};
    store.SetIdentityRegisters(identity);
    EXPECT_EQ(FormatMeasurand(store, kIdxFirmwareVersion), "3.05");
    EXPECT_EQ(FormatMeasurand(store, kIdxSerialNumber), "SIM12");  // ends at the zero byte
    EXPECT_EQ(FormatMeasurand(store, kIdxTagNumber), "PANEL");
    // A tag of all 16 bytes has no zero byte: it ends after 16.
    for (std::size_t i = 0; i < store.tagNumber.size(); ++i)
        store.tagNumber[i] = static_cast<uint8_t>('A' + i);
    EXPECT_EQ(FormatMeasurand(store, kIdxTagNumber), "ABCDEFGHIJKLMNOP");
    store.serialNumber = {0xC4, 'b', 0, 'x', 0, 0, 0, 0};  // single-byte characters
    EXPECT_EQ(FormatMeasurand(store, kIdxSerialNumber),
              "\xC3\x84"
              "b");
    store.supportInfo = 4000000000u;
    EXPECT_EQ(FormatMeasurand(store, kIdxSupportInfo), "4000000000");

    struct Model {
        uint16_t id, extension;
        const char* name;
    };
    for (const Model m :
         {Model{7811, 0, "KT2"}, Model{7812, 1, "HKT2"}, Model{7813, 4, "HKT2X"},
          Model{7821, 0x0090, "KT6N"}, Model{7821, 0x0110, "KT6K"}, Model{7821, 0x0012, "KT6"},
          Model{7851, 0x0090, "ZBNPQV"}, Model{7851, 0x0110, "ZBKPQV"},
          Model{7851, 0x0410, "ZBTPQV"}, Model{7851, 0x0012, "ZBDPQV"}, Model{7861, 0, "ZC"},
          Model{1234, 0, ""}}) {
        store.deviceId = m.id;
        store.extensionId = m.extension;
        EXPECT_EQ(FormatMeasurand(store, kIdxModelName), m.name) << m.id << " " << m.extension;
    }
}

TEST(FormatMeasurand, PasscodeStateByDeviceAndFirmware) {
    CMeasurandsKT2 store;
    const std::string on = LoadString(kTextPasscodeEnabled);
    const std::string off = LoadString(kTextPasscodeDisabled);
    const std::string none = LoadString(kTextPasscodeNotSupported);
    store.deviceId = 7811;
    store.firmwareVersion = 100;
    store.supportInfo = 55;
    EXPECT_EQ(FormatMeasurand(store, kIdxPasscodeState), none);
    store.firmwareVersion = 101;
    EXPECT_EQ(FormatMeasurand(store, kIdxPasscodeState), on);
    store.supportInfo = 0;
    EXPECT_EQ(FormatMeasurand(store, kIdxPasscodeState), off);
    for (int id : {7812, 7813, 7821, 7851, 7861}) {
        store.deviceId = static_cast<uint16_t>(id);
        store.firmwareVersion = 0;
        EXPECT_EQ(FormatMeasurand(store, kIdxPasscodeState), off) << id;
    }
    store.deviceId = 9999;
    EXPECT_EQ(FormatMeasurand(store, kIdxPasscodeState), none);
}

TEST(FormatMeasurand, CellTextsKeepListOrderAndPositions) {
    CMeasurandsKT2 store;
    store.SetValue(kIdxCurrent1, 1000);
    const CellBinding list[] = {{kIdxCurrent1, 2, 1}, {kIdxBlank, 0, 3}, {kIdxLeadLagSum, 4, 4}};
    const auto cells = MeasurandCellTexts(store, list);
    ASSERT_EQ(cells.size(), 3u);
    EXPECT_EQ(cells[0].column, 2);
    EXPECT_EQ(cells[0].row, 1);
    EXPECT_EQ(cells[0].text, "1.000");
    EXPECT_EQ(cells[1].text, "");
    EXPECT_EQ(cells[2].text, "lag");
    EXPECT_EQ(MeasurandNumberText(store, kIdxLeadLagSum), "0");
    EXPECT_EQ(MeasurandNumberText(store, kIdxCurrent1), "1.000");
}

TEST(MeasurandLabel, EveryMeterIndexHasItsOwnName) {
    // Log headers and machine-readable lists key values by these names.
    std::set<std::string> names;
    for (int index = 0; index < kMeterIndexCount; ++index) {
        if (index >= kIdxEnergyFraction1 && index < kIdxDemandCurrent) continue;
        if (index == 136) continue;
        const std::string name = MeasurandLabel(index);
        EXPECT_FALSE(name.empty()) << index;
        EXPECT_TRUE(names.insert(name).second) << index << " repeats " << name;
    }
    for (int index = kIdxModelName; index < kIdxBlank; ++index)
        EXPECT_TRUE(names.insert(MeasurandLabel(index)).second) << index;
    EXPECT_EQ(MeasurandLabel(kIdxEnergySet2 + kEnergyActiveInOut), "Tariff 2 Active energy in-out");
    EXPECT_EQ(MeasurandLabel(kIdxDemandPower + 4), "Demand history 1 Reactive power (sum)");
    EXPECT_EQ(MeasurandLabel(kIdxMaximumThd + 3), "Max THD N. current");
    EXPECT_EQ(MeasurandLabel(1500), "Measurand 1500");
}

}  // namespace
}  // namespace voltaro
