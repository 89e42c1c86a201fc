// The default parameter image that every new image starts from.
#include "core/model/parameter_image.h"
#include "core/model/parameter_words.h"

namespace voltaro {

ParameterImage::ParameterImage() {
    deviceType.SelectRow(0);
    auto& w = words;
    // Sigma1 line1 ... Sigma6 line4.
    const uint16_t sigma[kSigmaLineCount] = {1, 3, 6, 100, 1, 3, 2, 100, 1, 4,  2,  100,
                                             1, 5, 7, 100, 3, 8, 9, 10,  3, 12, 13, 14};
    for (int line = 0; line < kSigmaLineCount; ++line)
        w[SigmaLineWord(line)] = sigma[line];
    w[kWordSystem] = 5;
    w[kWordPrimaryCurrent] = 5;
    w[kWordSecondaryCurrent] = 5;
    w[kWordPrimaryVoltage] = 110;  // 32-bit, low word
    w[kWordSecondaryVoltage] = 110;
    w[kWordLowEndCutoutCurrent] = 10;
    w[kWordLowEndCutoutVoltage] = 10;
    for (int input = 2; input <= kInputCount; ++input) {
        w[PrimaryCurrentWord(input)] = 5;
        w[CtSensorWord(input)] = 0;
        w[LowEndCutoutCurrentWord(input)] = 10;
    }
    w[kWordBarCurrent] = 5;
    w[kWordBarVoltage] = 300;
    w[BarScaleWord(kBarScaleCurrent, false)] = 5000;   // /1000
    w[BarScaleWord(kBarScaleVoltage, false)] = 30000;  // /100
    w[BarScaleWord(kBarScaleActivePower, false)] = 1500;
    w[BarScaleWord(kBarScaleReactivePower, false)] = 1500;
    w[BarScaleWord(kBarScaleApparentPower, false)] = 1500;
    w[BarScaleWord(kBarScalePowerFactor, false)] = 10000;
    w[BarScaleWord(kBarScaleFrequency, false)] = 6500;
    w[BarScaleWord(kBarScaleFrequency, true)] = 4500;
    w[BarScaleWord(kBarScaleThd, false)] = 1000;
    w[BarScaleWord(kBarScalePhaseDifference, false)] = 180;
    Set32(BarScaleWord(kBarScalePhaseDifference, true), static_cast<uint32_t>(-180));
    w[kWordDeviceAddress] = 1;
    w[kWordTransferRate] = 5;  // 38400 bps
    w[kWordParity] = 1;        // odd
    w[kWordT15] = 15;
    w[kWordT35] = 35;
    SetAddress(kWordIpAddress, {192, 168, 0, 1});
    SetAddress(kWordSubnetMask, {255, 255, 255, 0});
    w[kWordPort] = 502;
    w[kWordConnectionTimeout] = 600;
    w[kWordRunLedTimeout] = 10;
    w[kWordCcLinkNode] = 1;
    w[kWordCcLinkRate] = 4;  // 10 Mbps
    w[kWordCurrentDemand] = 30;
    w[kWordPowerDemand] = 30;
    for (int output = 0; output < kPulseOutputCount; ++output) {
        w[PulseRateWord(output)] = 10;
        w[PulseDurationWord(output)] = 1;
    }
    w[kWordBacklightOffTimer] = 600;
    w[kWordBrightness] = 2;
    w[kWordClearAlarmShortcut] = 1;
    w[AlarmHighWord(kAlarmItemFrequency)] = 6500;
    w[AlarmLowWord(kAlarmItemFrequency)] = 4500;
    for (int output = 0; output < kAnalogOutputCount; ++output) {
        w[AnalogOutputWord(output, kAoAdjustSpan)] = 10000;
        w[AnalogOutputWord(output, kAoOutputZero)] = 400;
        w[AnalogOutputWord(output, kAoInputFull)] = 10000;
        w[AnalogOutputWord(output, kAoOutputFull)] = 2000;
        for (int point = 0; point < kAoTablePoints; ++point)
            w[AnalogOutputWord(output, AoTableY(point))] = 400;
    }
}

void CopyParameterImage(ParameterImage& destination, const ParameterImage& source) {
    destination.words = source.words;
    destination.deviceType.deviceId = source.deviceType.deviceId;
    destination.deviceType.version = source.deviceType.version;
    destination.deviceType.extensionId = source.deviceType.extensionId;
    destination.deviceType.ioConfig = source.deviceType.ioConfig;
    destination.deviceType.typeIndex = source.deviceType.typeIndex;
}

}  // namespace voltaro
