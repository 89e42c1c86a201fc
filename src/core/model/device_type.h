#pragma once
// The device catalogue: one fixed row per supported device type, the feature and
// family bits that the rest of the system asks about, and CDeviceType, the type of
// a picked row or of an identified device (identification over the client is in
// core/device/device_identification.h).
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace voltaro {

// Feature word bits.
constexpr uint32_t FEAT_AO1 = 0x00000010;
constexpr uint32_t FEAT_AO2 = 0x00000020;
constexpr uint32_t FEAT_AO3 = 0x00000040;
constexpr uint32_t FEAT_AO4 = 0x00000080;
constexpr uint32_t FEAT_DO1 = 0x00000100;
constexpr uint32_t FEAT_DO2 = 0x00000200;
constexpr uint32_t FEAT_DO3 = 0x00000400;
constexpr uint32_t FEAT_DO4 = 0x00000800;
constexpr uint32_t FEAT_DI1 = 0x00001000;
constexpr uint32_t FEAT_AO_4_20MA = 0x00010000;
constexpr uint32_t FEAT_MODBUS = 0x00020000;
constexpr uint32_t FEAT_AO_1_5V = 0x00040000;
constexpr uint32_t FEAT_3P4W = 0x00100000;
constexpr uint32_t FEAT_LONWORKS = 0x00800000;
constexpr uint32_t FEAT_CCLINK = 0x01000000;
constexpr uint32_t FEAT_MODBUS_TCP = 0x02000000;
constexpr uint32_t FEAT_MODBUS_MC = 0x10000000;
constexpr uint32_t FEAT_V3 = 0x20000000;
constexpr uint32_t FEAT_DISPLAY = 0x80000000;

// Family word bits.
constexpr uint32_t FAM_KT2 = 0x00000001;
constexpr uint32_t FAM_KT6 = 0x00000002;
constexpr uint32_t FAM_KT2_G2 = 0x00000004;
constexpr uint32_t FAM_KT6_G2 = 0x00000008;
constexpr uint32_t FAM_ZB = 0x00000010;
constexpr uint32_t FAM_HKT2 = 0x00000020;
constexpr uint32_t FAM_ZC = 0x00000040;
constexpr uint32_t FAM_HKT2X = 0x00000080;
constexpr uint32_t FAM_KT2_240 = 0x00000100;
constexpr uint32_t FAM_ZB_INPUT = 0x00200000;
constexpr uint32_t FAM_ZC_8 = 0x00400000;
constexpr uint32_t FAM_ZC_EXT = 0x00800000;

// The extension id is compared after masking the device's value with this.
constexpr uint16_t kExtensionIdMask = 0x0597;
constexpr int kDeviceTypeCount = 79;
constexpr int kModelListCount = 71;
// First string id of the model strings; a row's model string is this + modelOffset.
constexpr int kModelStringBase = 3500;

struct DeviceTypeRecord {
    int32_t index;
    uint16_t deviceId;
    uint16_t versionMin;
    uint16_t versionMax;  // 65535: open-ended
    uint16_t extensionId;
    uint16_t ioConfigA[5];
    uint16_t ioConfigB[5];  // unused when the first word is 65535
    uint32_t features;
    uint32_t family;
    int32_t modelOffset;  // offset of the row's model string from 3500; -1: not listed
};

// The 79-row device type table, in lookup order.
std::span<const DeviceTypeRecord> DeviceTypeTable();

struct ModelPair {
    int modelOffset;  // string id - 3500
    int row;
};
// The 71 selectable models, in combo-box order.
std::span<const ModelPair> ModelPairTable();

// Words of ioConfig (registers 9623 ..): discrete inputs, discrete outputs, analogue
// outputs, measuring inputs, counters.
constexpr int kIoAnalogOutputs = 2;
constexpr int kIoMeasuringInputs = 3;
constexpr int kIoCounters = 4;

class CDeviceType {
  public:
    CDeviceType() = default;
    // Explicit identification values; the row is looked up lazily.
    CDeviceType(uint16_t deviceId, uint16_t version, uint16_t extensionId,
                const std::array<uint16_t, 5>& ioConfig);
    virtual ~CDeviceType() = default;
    CDeviceType(const CDeviceType&) = default;
    CDeviceType& operator=(const CDeviceType&) = default;

    uint16_t deviceId = 0;
    uint16_t version = 0;
    uint16_t extensionId = 0;
    std::array<uint16_t, 5> ioConfig{};  // indexed by kIo...
    // Row of the table, or -1 while not looked up or not found.
    mutable int32_t typeIndex = -1;

    // Finds the first matching row; sets typeIndex (or -1).
    void Lookup() const;
    // Makes this the type of table row `row`; a row number that no row carries changes nothing.
    void SelectRow(int row);
    // (featureMask & features) | (familyMask & family) != 0; false without a row.
    bool HasFeature(uint32_t featureMask, uint32_t familyMask) const;
    // Family word in the high half, feature word in the low half; 0 without a row.
    uint64_t FeatureSet() const;
    // The row record (looked up first when needed), or nullptr.
    const DeviceTypeRecord* Record() const;
};

}  // namespace voltaro
