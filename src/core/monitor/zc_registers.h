#pragma once
// The register lists of the power management monitor, its channel detail and its preset
// dialog: which holding registers of a ZC device land in which measurand slots. Every
// list ends with a block whose start is -1 (the form ReadRegisterList takes).
#include <cstdint>
#include <vector>

#include "core/comm/modbus_interface.h"
#include "core/model/device_type.h"

namespace voltaro {

// Channels of a ZC device: 8 on the basic module, 8 more on the extension module.
constexpr int kZcChannelCount = 16;

// What the main page shows (the power management monitor's moduleView).
enum ZcModuleView : int {
    kZcViewBasic = 0,      // channels 1 .. 8
    kZcViewExtension = 1,  // channels 9 .. 16 (current-input extension module)
    kZcViewDiscrete = 2,   // discrete inputs 1 .. 8 (discrete-input extension module)
};
constexpr int kZcViewCount = 3;
// The first channel a view shows (0 or 8).
int ZcChannelOffset(int view);
// The view of a device's extension module: kZcViewExtension with 16 measuring inputs,
// kZcViewDiscrete with the discrete-input module, -1 without an extension module.
int ZcExtensionView(const CDeviceType& type);

// The value reads of the channel detail (its Trend / Max / Min tabs).
enum ZcDetailRead : int { kZcDetailTrend = 0, kZcDetailMax = 1, kZcDetailMin = 2 };
constexpr int kZcDetailReadCount = 3;

// First register of the energy block of page channel k (0 .. 7) in a view: B(k), plus
// the module offset in views 1 and 2.
int ZcEnergyBlockRegister(int k, int view);

// The monitor's list of a view: energy block, currents and powers of the 8 channels
// (view 2: the discrete-input counts only).
std::vector<RegisterBlock> ZcMonitorRegisterList(int view);
// The detail's value read of channel a (0 .. 15), into the slots of page channel 0.
std::vector<RegisterBlock> ZcDetailRegisterList(int read, int channel);
// The preset dialog's list of a view: the values that may be preset.
std::vector<RegisterBlock> ZcPresetRegisterList(int view);

// First register of harmonic set g (0 .. 9) of channel a.
int ZcHarmonicSetRegister(int set, int channel);

// The register that a reset of channel (0 .. 15) writes its bit value to.
int ZcResetRegisterOf(int channel);

}  // namespace voltaro
