// Adjusting a parameter image to a newly chosen device type.
#include <algorithm>

#include "core/model/parameter_words.h"
#include "core/model/settings_stocker.h"

namespace voltaro {
namespace {

constexpr int kDemandWords[] = {kWordCurrentDemand, kWordPowerDemand};
constexpr int kDataDisplayWords[] = {kWordDataDisplayView, kWordDefaultDataView};
constexpr int kEnergyDisplayWords[] = {kWordEnergyDisplayView, kWordDefaultEnergyView};

bool Has(const CDeviceType& type, uint32_t feature, uint32_t family) {
    return type.HasFeature(feature, family);
}
bool IsKt6(const CDeviceType& t) {
    return Has(t, 0, FAM_KT6);
}
bool IsKt2FirstGeneration(const CDeviceType& t) {
    return Has(t, 0, FAM_KT2) && !Has(t, 0, FAM_KT2_G2);
}
bool IsKt6FirstGeneration(const CDeviceType& t) {
    return IsKt6(t) && !Has(t, 0, FAM_KT6_G2);
}
bool IsKt6Without3P4W(const CDeviceType& t) {
    return IsKt6(t) && !Has(t, FEAT_3P4W, 0);
}

int DiscreteOutputCount(const CDeviceType& t) {
    if (Has(t, FEAT_DO4, 0)) return 4;
    if (Has(t, FEAT_DO3, 0)) return 3;
    if (Has(t, FEAT_DO2, 0)) return 2;
    if (Has(t, FEAT_DO1, 0)) return 1;
    return 0;
}

// Output 0%, output 100% and table Y[0] to Y[9] of every analogue output.
template <typename F>
void ForEachOutputLevelWord(F&& f) {
    for (int output = 0; output < kAnalogOutputCount; ++output) {
        f(AnalogOutputWord(output, kAoOutputZero));
        f(AnalogOutputWord(output, kAoOutputFull));
        for (int point = 0; point < kAoTablePoints; ++point)
            f(AnalogOutputWord(output, AoTableY(point)));
    }
}

void SetAnalogueOutputDefaults(ParameterImage& slot, uint16_t level0, uint16_t level100) {
    for (int output = 0; output < kAnalogOutputCount; ++output) {
        slot.words[AnalogOutputWord(output, kAoAdjustSpan)] = 10000;
        slot.words[AnalogOutputWord(output, kAoOutputZero)] = level0;
        slot.words[AnalogOutputWord(output, kAoInputFull)] = 10000;
        slot.words[AnalogOutputWord(output, kAoOutputFull)] = level100;
        for (int point = 0; point < kAoTablePoints; ++point)
            slot.words[AnalogOutputWord(output, AoTableY(point))] = level0;
    }
}

// Measurand codes of the neutral current (11) and its THD (33): only types with 3P4W measure
// them.
bool IsNeutralCode(uint16_t code) {
    return code == 11 || code == 33;
}

void ZeroWhen(uint16_t& word, bool condition) {
    if (condition) word = 0;
}

void AdjustDisplayViews(ParameterImage& image, const CDeviceType& type) {
    auto& w = image.words;
    for (int word : kDataDisplayWords) {
        uint16_t v = w[word];
        if (IsKt2FirstGeneration(type)) ZeroWhen(w[word], v >= 320 && v <= 335);
        if (IsKt6Without3P4W(type)) {
            ZeroWhen(w[word],
                     (v >= 272 && v <= 287) || (v >= 800 && v <= 815) || (v >= 1072 && v <= 1087));
        }
    }
    for (int word : kEnergyDisplayWords) {
        if (IsKt2FirstGeneration(type) || IsKt6FirstGeneration(type))
            ZeroWhen(w[word], w[word] > 19);
    }
}

void KeepDisplayLines(CSettingsStocker& store, ParameterImage& image, const CDeviceType& before,
                      const CDeviceType& after) {
    auto copyLines = [](const ParameterImage& from, ParameterImage& to) {
        std::copy_n(from.words.begin() + kWordSigmaLineFirst, kSigmaLineCount,
                    to.words.begin() + kWordSigmaLineFirst);
    };
    if (Has(before, 0, FAM_KT2_G2)) {
        copyLines(image, store.images[CSettingsStocker::kDisplayKt2G2]);
    } else if (Has(before, 0, FAM_KT6)) {
        copyLines(image, store.images[CSettingsStocker::kDisplayKt6]);
    }
    if (Has(after, 0, FAM_KT2_G2)) {
        copyLines(store.images[CSettingsStocker::kDisplayKt2G2], image);
    } else if (Has(after, 0, FAM_KT6)) {
        copyLines(store.images[CSettingsStocker::kDisplayKt6], image);
    }
    auto& w = image.words;
    if (IsKt6FirstGeneration(after)) {
        // The fourth line of each screen.
        for (int line = kSigmaLinesPerScreen - 1; line < kSigmaLineCount;
             line += kSigmaLinesPerScreen) {
            ZeroWhen(w[SigmaLineWord(line)], w[SigmaLineWord(line)] >= 120);
        }
    }
    if (IsKt6Without3P4W(after)) {
        for (int line = 0; line < kSigmaLineCount; ++line) {
            const int word = SigmaLineWord(line);
            ZeroWhen(w[word], IsNeutralCode(w[word]));
        }
    }
}

void AdjustOutputs(CSettingsStocker& store, ParameterImage& image, const CDeviceType& before,
                   const CDeviceType& after) {
    auto& w = image.words;
    const bool firstGeneration = IsKt2FirstGeneration(after) || IsKt6FirstGeneration(after);
    if (Has(after, FEAT_DI1, 0) && firstGeneration) {
        ZeroWhen(w[kWordDiscreteInputFunction], w[kWordDiscreteInputFunction] >= 3);
    }
    const int outputs = DiscreteOutputCount(after);
    for (int i = 0; i < outputs; ++i) {
        const int word = PulseEnergyWord(i);
        if (firstGeneration) ZeroWhen(w[word], w[word] > 8);
    }
    for (int item = 0; item < kAlarmItemCount; ++item) {
        // An alarm through a discrete output that the type lacks shows on the display only.
        uint16_t& output = w[AlarmOutputWord(item)];
        if (output > outputs + 1) output = 1;
    }
    if (Has(after, FEAT_AO_4_20MA | FEAT_AO_1_5V, 0) && IsKt6Without3P4W(after)) {
        for (int output = 0; output < kAnalogOutputCount; ++output) {
            uint16_t& input = w[AnalogOutputWord(output, kAoInput)];
            ZeroWhen(input, IsNeutralCode(input));
        }
    }
    ParameterImage& mA = store.images[CSettingsStocker::kAo4To20mA];
    ParameterImage& volt = store.images[CSettingsStocker::kAo1To5V];
    if (Has(before, FEAT_AO_4_20MA, 0)) {
        ForEachOutputLevelWord([&](int word) { mA.words[word] = w[word]; });
    } else if (Has(before, FEAT_AO_1_5V, 0)) {
        ForEachOutputLevelWord([&](int word) { volt.words[word] = w[word]; });
    }
    if (Has(after, FEAT_AO_4_20MA, 0)) {
        ForEachOutputLevelWord([&](int word) { w[word] = mA.words[word]; });
    } else if (Has(after, FEAT_AO_1_5V, 0)) {
        ForEachOutputLevelWord([&](int word) { w[word] = volt.words[word]; });
    }
}

}  // namespace

void ChangeDeviceType(CSettingsStocker& store, int row, ParameterImage& image, bool freshDefaults) {
    const CDeviceType before = image.deviceType;
    image.deviceType.SelectRow(row);
    const CDeviceType& after = image.deviceType;
    auto& w = image.words;

    if (freshDefaults) {
        w[kWordSystem] = Has(after, 0, FAM_ZB) ? 3 : 5;
        w[kWordDefaultDataView] = 0;
        for (int word : kDemandWords)
            w[word] = 30;
        if (Has(after, 0, FAM_KT6_G2)) w[kWordPowerFormat] = 1;
        SetAnalogueOutputDefaults(store.images[CSettingsStocker::kAo4To20mA], 400, 2000);
        SetAnalogueOutputDefaults(store.images[CSettingsStocker::kAo1To5V], 1000, 5000);
    }

    AdjustDisplayViews(image, after);
    KeepDisplayLines(store, image, before, after);

    if (!Has(after, FEAT_3P4W, 0)) {
        uint16_t limit = IsKt6(after) ? 3 : 5;
        w[kWordSystem] = std::min(w[kWordSystem], limit);
    }

    // Word 33 is a CT sensor index on multi-circuit types and a secondary current in
    // amperes on the meters: only a change between the two meanings resets it.
    const uint32_t multiCircuit = FAM_ZB | FAM_ZC;
    if (Has(before, 0, multiCircuit) && !Has(after, 0, multiCircuit)) {
        w[kWordSecondaryCurrent] = 5;
    }

    if (!Has(after, FEAT_DI1, 0)) {
        for (int word : kDemandWords) {
            if (w[word] == 0) w[word] = 1;  // no discrete input to trigger the demand
        }
    }

    AdjustOutputs(store, image, before, after);

    if (Has(before, 0, FAM_KT2_240) && !Has(after, 0, FAM_KT2_240)) {
        ZeroWhen(w[kWordFrequencyInput], w[kWordFrequencyInput] > 1);
    }
}

ParameterImage DefaultImageOfRow(int row) {
    CSettingsStocker stocker;
    ParameterImage image;
    ChangeDeviceType(stocker, row, image, true);
    return image;
}

}  // namespace voltaro
