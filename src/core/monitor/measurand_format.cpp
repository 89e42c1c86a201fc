#include "core/monitor/measurand_format.h"

#include <array>
#include <charconv>
#include <cstdio>
#include <optional>

#include "core/platform/list_text_ids.h"
#include "core/platform/string_table.h"

namespace voltaro {
namespace {

// Kinds of the instantaneous values 0 .. 32 (maxima and minima repeat them).
constexpr int8_t kInstantKinds[kInstantaneousCount] = {
    0, 1, 2, 3, 4, 5, 6, 7,        // sums, frequency, lead/lag
    0, 0, 0, 0, 1, 1, 1, 1, 1, 1,  // currents, line and phase voltages
    2, 2, 2, 3, 3, 3, 4, 4, 4,     // phase powers
    5, 5, 5, 7, 7, 7};             // phase power factors, lead/lag
// Kinds within an energy set.
constexpr int8_t kEnergyKinds[kEnergySetSize] = {8, 9, 10, 8, 9, 9, 9, 9, 9, 11, 9, 9, 8, 9};

constexpr int8_t ZcDemandKind(int slot) {
    if (slot >= 9 && slot <= 11) return static_cast<int8_t>(kKindActive + slot - 9);
    if (slot < 12) return kKindCurrent;  // present current demands in 2 .. 6
    // Maximum and minimum demands from slot 12: each value followed by a date and a time.
    const int value = (slot - 12) / 3, part = (slot - 12) % 3;
    if (part == 1) return kKindDate;
    if (part == 2) return kKindTime;
    const int quantity = value % 8;
    return static_cast<int8_t>(quantity < 5 ? kKindCurrent : kKindActive + quantity - 5);
}

constexpr std::array<int8_t, kMeasurandIndexCount> BuildKinds() {
    std::array<int8_t, kMeasurandIndexCount> k{};
    for (auto& kind : k)
        kind = kKindBlank;
    for (int i = 0; i < kInstantaneousCount; ++i)
        k[i] = kInstantKinds[i];
    for (int e = 0; e < kEnergySetSize; ++e)
        k[kIdxEnergySet1 + e] = k[kIdxEnergySet2 + e] = kEnergyKinds[e];
    for (int i = kIdxDemandCurrent; i < kIdxDemandPower; ++i)
        k[i] = kKindCurrent;
    for (int i = 0; i < kDemandPowerCount * (1 + kDemandHistories); ++i)
        k[kIdxDemandPower + i] = static_cast<int8_t>(kKindActive + i % 3);
    for (int i = 0; i <= kIdxFrequency; ++i) {
        k[kIdxMaximum + i] = kInstantKinds[i];
        k[kIdxMinimum + i] = kInstantKinds[i];
    }
    for (int i = kIdxCurrent1; i < kIdxLeadLag1; ++i) {
        k[kIdxMaximumPhase + i - kIdxCurrent1] = kInstantKinds[i];
        k[kIdxMinimumPhase + i - kIdxCurrent1] = kInstantKinds[i];
    }
    for (int i = 0; i < kHarmonicSetCount; ++i)
        k[kIdxMaximumThd + i] = k[kIdxThd + i] = kKindPercent;
    for (int i = 0; i < kDemandCurrentCount; ++i)
        k[kIdxMaxDemandCurrent + i] = kKindCurrent;
    const int8_t maxDemandPower[5] = {kKindActive, kKindActive, kKindReactive, kKindReactive,
                                      kKindApparent};
    for (int i = 0; i < 5; ++i)
        k[kIdxMaxDemandPower + i] = maxDemandPower[i];
    for (int i = 0; i < kCounterCount; ++i)
        k[kIdxCounter1 + i] = kKindCounter;
    for (int i = 0; i < kZcPageChannels * kZcBlockSlots; ++i) {
        k[kIdxZcEnergy + i] = kKindZcEnergy;
        k[kIdxZcCounts + i] = kKindCounter;
    }
    for (int i = 0; i < 24; ++i)
        k[kIdxZcCommon + i] = i % 8 == 7 ? kKindFrequency : kKindVoltage;
    for (int i = 0; i < kZcPageChannels * 15; ++i)
        k[kIdxZcCurrents + i] = kKindCurrent;
    for (int i = 0; i < kZcPageChannels * 48; ++i)
        k[kIdxZcPowers + i] = static_cast<int8_t>(kKindActive + (i % 16) / 4);
    for (int i = 0; i < kZcPageChannels * 60; ++i)
        k[kIdxZcDemand + i] = ZcDemandKind(i % 60);
    k[kIdxDeviceDate] = kKindDate;
    k[kIdxDeviceTime] = kKindTime;
    k[kIdxZcPercentage] = kKindPercent;
    for (int i = 0; i < kAnalogOutputCount; ++i)
        k[kIdxAnalogOutput1 + i] = kKindAnalogOutput;
    return k;
}

constexpr std::array<int8_t, kMeasurandIndexCount> kKinds = BuildKinds();

// How a plain number of a kind is scaled from its slot and how many decimals it shows.
struct KindScale {
    double divisor;
    int decimals;
};
std::optional<KindScale> ScaleOf(MeasurandKind kind) {
    switch (kind) {
        case kKindCurrent:
            return KindScale{1000.0, 3};
        case kKindVoltage:
        case kKindFrequency:
            return KindScale{100.0, 2};
        case kKindActive:
        case kKindReactive:
        case kKindApparent:
        case kKindCounter:
            return KindScale{1.0, 0};
        case kKindPowerFactor:
            return KindScale{10000.0, 4};
        case kKindOperatingTime:
        case kKindPercent:
        case kKindZcEnergy:
            return KindScale{10.0, 1};
        default:
            return std::nullopt;
    }
}

std::string IntegerText(long long value) {
    return std::to_string(value);
}

std::string HexPair(unsigned value) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%02x", value & 0xFF);
    return buffer;
}

std::string AnalogOutputText(const CMeasurandsKT2& store, int output) {
    const int count = store.ioConfig[kIoAnalogOutputs] != 0 ? store.ioConfig[kIoAnalogOutputs]
                                                            : kAnalogOutputCount;
    if (output >= count) return "";
    const double word = store.analogOutputs[static_cast<std::size_t>(output)];
    if (store.extensionId & 0x0001) return FixedText(word / 100.0, 2);   // 4-20 mA
    if (store.extensionId & 0x0004) return FixedText(word / 1000.0, 3);  // 1-5 V
    return "";
}

std::string ModelName(uint16_t deviceId, uint16_t extensionId) {
    const bool lonWorks = extensionId & 0x0080, ccLink = extensionId & 0x0100;
    switch (deviceId) {
        case 7811:
            return "KT2";
        case 7812:
            return "HKT2";
        case 7813:
            return "HKT2X";
        case 7821:
            return lonWorks ? "KT6N" : ccLink ? "KT6K" : "KT6";
        case 7851:
            return lonWorks                 ? "ZBNPQV"
                   : ccLink                 ? "ZBKPQV"
                   : (extensionId & 0x0400) ? "ZBTPQV"
                                            : "ZBDPQV";
        case 7861:
            return "ZC";
        default:
            return "";
    }
}

std::string PasscodeStateText(const CMeasurandsKT2& store) {
    const uint16_t id = store.deviceId;
    const bool supported = id == 7851 || id == 7821 || id == 7812 || id == 7813 || id == 7861 ||
                           (id == 7811 && store.firmwareVersion >= 101);
    if (!supported) return LoadString(kTextPasscodeNotSupported);
    return LoadString(store.supportInfo != 0 ? kTextPasscodeEnabled : kTextPasscodeDisabled);
}

std::string DerivedText(const CMeasurandsKT2& store, int index) {
    switch (index) {
        case kIdxModelName:
            return ModelName(store.deviceId, store.extensionId);
        case kIdxFirmwareVersion:
            return FixedText(store.firmwareVersion / 100.0, 2);
        case kIdxSerialNumber:
            return store.SerialNumberText();
        case kIdxSupportInfo:
            return IntegerText(store.supportInfo);
        case kIdxPasscodeState:
            return PasscodeStateText(store);
        case kIdxTagNumber:
            return store.TagNumberText();
        default:
            return "";
    }
}

}  // namespace

MeasurandKind MeasurandKindOf(int index) {
    if (index < 0 || index >= kMeasurandIndexCount) return kKindBlank;
    return static_cast<MeasurandKind>(kKinds[static_cast<std::size_t>(index)]);
}

std::string FixedText(double value, int decimals) {
    char buffer[64];
    auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    if (ec != std::errc()) return "";
    return std::string(buffer, end);
}

std::string EnergyText(int32_t whole, uint32_t fraction) {
    const uint32_t q = fraction / 4294967u;  // thousandths of a tenth: 0 .. 1000
    return FixedText(q / 10000.0 + whole / 10.0, 4);
}

std::string FormatMeasurand(const CMeasurandsKT2& store, int index) {
    if (index >= kIdxModelName && index <= kIdxTagNumber) return DerivedText(store, index);
    const int32_t v = store.Value(index);
    const auto u = static_cast<uint32_t>(v);
    const MeasurandKind kind = MeasurandKindOf(index);
    if (const auto scale = ScaleOf(kind)) {
        if (scale->decimals == 0) return IntegerText(v);
        return FixedText(v / scale->divisor, scale->decimals);
    }
    switch (kind) {
        case kKindLeadLag:
            return v != 0 ? "lead" : "lag";
        case kKindActiveEnergy:
        case kKindReactiveEnergy:
        case kKindApparentEnergy:
            return EnergyText(v, store.Fraction(index + kFractionSlotDistance));
        case kKindAnalogOutput:
            return AnalogOutputText(store, index - kIdxAnalogOutput1);
        case kKindDate:
            return "20" + HexPair(u >> 8) + "/" + HexPair(u) + "/" + HexPair(u >> 24);
        case kKindTime: {
            const auto previous = static_cast<uint32_t>(store.Value(index - 1));
            return HexPair(previous >> 16) + ":" + HexPair(u >> 8) + ":" + HexPair(u);
        }
        default:  // blanks; the scaled kinds are handled above
            return "";
    }
}

std::optional<double> MeasurandNumber(const CMeasurandsKT2& store, int index) {
    const auto scale = ScaleOf(MeasurandKindOf(index));
    if (!scale) return std::nullopt;
    return store.Value(index) / scale->divisor;
}

int MeasurandDecimals(int index) {
    const auto scale = ScaleOf(MeasurandKindOf(index));
    return scale ? scale->decimals : 0;
}

std::string MeasurandNumberText(const CMeasurandsKT2& store, int index) {
    if (MeasurandKindOf(index) == kKindLeadLag) return store.Value(index) != 0 ? "1" : "0";
    return FormatMeasurand(store, index);
}

std::vector<MeasurandCell> MeasurandCellTexts(const CMeasurandsKT2& store,
                                              std::span<const CellBinding> values) {
    std::vector<MeasurandCell> cells;
    cells.reserve(values.size());
    for (const CellBinding& b : values)
        cells.push_back({b.column, b.row, FormatMeasurand(store, b.id)});
    return cells;
}

}  // namespace voltaro
