#include "core/model/device_type.h"

namespace voltaro {

CDeviceType::CDeviceType(uint16_t deviceId_, uint16_t version_, uint16_t extensionId_,
                         const std::array<uint16_t, 5>& ioConfig_)
    : deviceId(deviceId_), version(version_), extensionId(extensionId_), ioConfig(ioConfig_) {}

void CDeviceType::Lookup() const {
    typeIndex = -1;
    for (const DeviceTypeRecord& row : DeviceTypeTable()) {
        if (row.deviceId != deviceId || row.extensionId != extensionId) continue;
        if (version < row.versionMin || version > row.versionMax) continue;
        bool matchA = true;
        bool matchB = row.ioConfigB[0] != 65535;
        for (int i = 0; i < 5; ++i) {
            matchA = matchA && ioConfig[i] == row.ioConfigA[i];
            matchB = matchB && ioConfig[i] == row.ioConfigB[i];
        }
        if (matchA || matchB) {
            typeIndex = row.index;
            return;
        }
    }
}

void CDeviceType::SelectRow(int row) {
    auto table = DeviceTypeTable();
    if (row < 0 || row >= static_cast<int>(table.size())) return;
    const DeviceTypeRecord& record = table[static_cast<std::size_t>(row)];
    deviceId = record.deviceId;
    version = record.versionMin;
    extensionId = record.extensionId;
    for (int i = 0; i < 5; ++i)
        ioConfig[i] = record.ioConfigA[i];
    typeIndex = row;
}

const DeviceTypeRecord* CDeviceType::Record() const {
    if (typeIndex == -1) Lookup();
    auto table = DeviceTypeTable();
    if (typeIndex < 0 || typeIndex >= static_cast<int>(table.size())) return nullptr;
    return &table[static_cast<std::size_t>(typeIndex)];
}

bool CDeviceType::HasFeature(uint32_t featureMask, uint32_t familyMask) const {
    const DeviceTypeRecord* record = Record();
    if (!record) return false;
    return ((featureMask & record->features) | (familyMask & record->family)) != 0;
}

uint64_t CDeviceType::FeatureSet() const {
    const DeviceTypeRecord* record = Record();
    if (!record) return 0;
    return (static_cast<uint64_t>(record->family) << 32) | record->features;
}

}  // namespace voltaro
