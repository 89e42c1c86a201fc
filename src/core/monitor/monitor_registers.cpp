#include "core/monitor/monitor_registers.h"

#include "core/model/device_registers.h"
#include "core/monitor/measurand_store.h"

namespace voltaro {
namespace {

constexpr RegisterBlock kEnd{-1, 0, 0};

// First input, then second input, of each register-list command.
constexpr RegisterBlock kInstantaneous[2][13] = {{{0, 8, kIdxCurrentSum},
                                                  {32, 25, kIdxCurrent1},
                                                  {256, 5, kIdxDemandCurrent},
                                                  {272, 5, kIdxDemandCurrent + 5},
                                                  {288, 5, kIdxDemandCurrent + 10},
                                                  {304, 5, kIdxDemandCurrent + 15},
                                                  {320, 5, kIdxDemandCurrent + 20},
                                                  {512, 3, kIdxDemandPower},
                                                  {528, 3, kIdxDemandPower + 3},
                                                  {544, 3, kIdxDemandPower + 6},
                                                  {560, 3, kIdxDemandPower + 9},
                                                  {576, 3, kIdxDemandPower + 12},
                                                  kEnd},
                                                 {{4000, 8, kIdxCurrentSum},
                                                  {4032, 25, kIdxCurrent1},
                                                  {4256, 5, kIdxDemandCurrent},
                                                  {4272, 5, kIdxDemandCurrent + 5},
                                                  {4288, 5, kIdxDemandCurrent + 10},
                                                  {4304, 5, kIdxDemandCurrent + 15},
                                                  {4320, 5, kIdxDemandCurrent + 20},
                                                  {4512, 3, kIdxDemandPower},
                                                  {4528, 3, kIdxDemandPower + 3},
                                                  {4544, 3, kIdxDemandPower + 6},
                                                  {4560, 3, kIdxDemandPower + 9},
                                                  {4576, 3, kIdxDemandPower + 12},
                                                  kEnd}};
constexpr RegisterBlock kMaxima[2][4] = {
    {{768, 7, kIdxMaximum}, {800, 22, kIdxMaximumPhase}, {896, 10, kIdxMaxDemandCurrent}, kEnd},
    {{2768, 7, kIdxMaximum}, {2800, 22, kIdxMaximumPhase}, {2896, 10, kIdxMaxDemandCurrent}, kEnd}};
constexpr RegisterBlock kMinima[2][3] = {
    {{928, 7, kIdxMinimum}, {960, 22, kIdxMinimumPhase}, kEnd},
    {{2928, 7, kIdxMinimum}, {2960, 22, kIdxMinimumPhase}, kEnd}};
constexpr RegisterBlock kEnergy1[2][3] = {
    {{128, 14, kIdxEnergySet1}, {192, 14, kIdxEnergyFraction1}, kEnd},
    {{4128, 14, kIdxEnergySet1}, {4192, 14, kIdxEnergyFraction1}, kEnd}};
constexpr RegisterBlock kEnergy2[2][3] = {
    {{160, 14, kIdxEnergySet2}, {224, 14, kIdxEnergyFraction2}, kEnd},
    {{4160, 14, kIdxEnergySet2}, {4224, 14, kIdxEnergyFraction2}, kEnd}};
constexpr RegisterBlock kThd[2][3] = {{{1280, 10, kIdxThd}, {864, 10, kIdxMaximumThd}, kEnd},
                                      {{8280, 10, kIdxThd}, {2864, 10, kIdxMaximumThd}, kEnd}};
constexpr RegisterBlock kCounters[2] = {{kCounterRegister, kCounterCount, kIdxCounter1}, kEnd};
constexpr RegisterBlock kNothing[1] = {kEnd};

constexpr int kHarmonicsFirst[2] = {1536, 8536};
constexpr int kHarmonicSetStride = 64;

}  // namespace

const RegisterBlock* MonitorRegisterList(int command, int channel) {
    const int c = channel == 1 ? 1 : 0;
    switch (command) {
        case kCmdInstantaneous:
            return kInstantaneous[c];
        case kCmdMaxima:
            return kMaxima[c];
        case kCmdMinima:
            return kMinima[c];
        case kCmdEnergy1:
            return kEnergy1[c];
        case kCmdEnergy2:
            return kEnergy2[c];
        case kCmdThd:
            return kThd[c];
        default:
            return kNothing;
    }
}

std::span<const RegisterBlock> MonitorRegisterBlocks(int command, int channel) {
    const RegisterBlock* first = MonitorRegisterList(command, channel);
    const RegisterBlock* last = first;
    while (last->start != -1)
        ++last;
    return {first, last};
}

int HarmonicSetRegister(int set, int channel) {
    return kHarmonicsFirst[channel == 1 ? 1 : 0] + kHarmonicSetStride * set;
}

const RegisterBlock* CounterRegisterList() {
    return kCounters;
}

}  // namespace voltaro
