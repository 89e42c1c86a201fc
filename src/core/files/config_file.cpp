// Configuration file reading and writing.
#include "core/files/config_file.h"

#include <cstdint>
#include <optional>

#include "core/model/parameter_blocks.h"
#include "core/model/parameter_check.h"
#include "core/model/parameter_image.h"
#include "core/platform/file_io.h"
#include "core/platform/message_format.h"
#include "core/platform/message_ids.h"
#include "core/platform/private_exception.h"
#include "core/platform/profile.h"

namespace voltaro {
namespace {

std::string RegisterKey(int address) {
    return "L" + std::to_string(address);
}
std::string IoKey(int i) {
    return "DeviceIO" + std::to_string(i);
}

// Calls f(key, block, j) for every value of every block that applies to type.
template <typename F>
void ForEachValueKey(const CDeviceType& type, F&& f) {
    const uint64_t features = type.FeatureSet();
    for (const ParameterBlock& block : BlockTableFor(type)) {
        if (!block.AppliesTo(features)) continue;
        // A 32-bit block's keys count values, not registers.
        for (int j = 0; j < block.count; ++j)
            f(RegisterKey(block.address + j), block, j);
    }
}

// A key's value as one decimal integer; a missing key takes defaultValue, an empty
// or malformed value (or one that does not fit 32 bits) makes the file invalid. A value
// outside low..high does not fit where it goes and makes the file invalid too.
int32_t ReadInt(const CIniFile& ini, const std::string& key, const char* defaultValue,
                int32_t low = INT32_MIN, int32_t high = INT32_MAX) {
    std::optional<std::string> text = ini.Get(kConfigSection, key);
    std::optional<int> value = ParseProfileInt(text ? *text : std::string(defaultValue));
    if (!value) throw CPrivateException(kMsgInvalidFileFormat);
    if (*value < low || *value > high) {
        throw CPrivateException(FormatMessageId(
            kMsgValueDoesNotFit,
            {key, std::to_string(*value), std::to_string(low), std::to_string(high)}));
    }
    return *value;
}

// An identification value: one register, 0 to 65535.
uint16_t ReadRegister(const CIniFile& ini, const std::string& key, const char* defaultValue) {
    return static_cast<uint16_t>(ReadInt(ini, key, defaultValue, 0, UINT16_MAX));
}

bool IsCatalogueDeviceId(uint16_t id) {
    for (const DeviceTypeRecord& record : DeviceTypeTable())
        if (record.deviceId == id) return true;
    return false;
}

}  // namespace

void StoreConfig(CIniFile& ini, const ParameterImage& image) {
    const CDeviceType& type = image.deviceType;
    type.Record();  // looks the row up when none is set yet
    ini.Set(kConfigSection, "Model", std::to_string(type.deviceId));
    ini.Set(kConfigSection, "DeviceExtension", std::to_string(type.extensionId & kExtensionIdMask));
    ini.Set(kConfigSection, "DeviceVersion", std::to_string(type.version));
    for (int i = 0; i < 5; ++i)
        ini.Set(kConfigSection, IoKey(i), std::to_string(type.ioConfig[i]));
    ForEachValueKey(type, [&](const std::string& key, const ParameterBlock& block, int j) {
        std::string value;
        if (block.kind == 0)
            value = std::to_string(image.words[block.word + j]);
        else
            value = std::to_string(static_cast<int32_t>(image.Get32(block.word + 2 * j)));
        ini.Set(kConfigSection, key, value);
    });
}

CDeviceType ConfigDeviceType(uint16_t id, uint16_t extension, uint16_t version,
                             const std::array<uint16_t, 5>& io) {
    CDeviceType type(id, version, extension, io);
    if (!IsCatalogueDeviceId(id)) {
        throw CPrivateException(FormatMessageId(kMsgUnknownDeviceType, {std::to_string(id)}));
    }
    // An identification that matches no row has no parameters to read: it would load as
    // a file of defaults, and its saved copy (extension id masked) as another row.
    if (type.Record() == nullptr) {
        throw CPrivateException(FormatMessageId(
            kMsgNoDeviceTypeRow,
            {std::to_string(id), std::to_string(extension), std::to_string(version)}));
    }
    return type;
}

ParameterImage ReadConfig(const CIniFile& ini) {
    const uint16_t id = ReadRegister(ini, "Model", "7811");
    const uint16_t extension = ReadRegister(ini, "DeviceExtension", "0");
    const uint16_t version = ReadRegister(ini, "DeviceVersion", "0");
    std::array<uint16_t, 5> io{};
    for (int i = 0; i < 5; ++i)
        io[i] = ReadRegister(ini, IoKey(i), "0");

    ParameterImage image;
    image.deviceType = ConfigDeviceType(id, extension, version, io);
    ForEachValueKey(image.deviceType,
                    [&](const std::string& key, const ParameterBlock& block, int j) {
                        if (block.kind == 0) {
                            // Unsigned as saved, or signed as the value's type reads it.
                            const int32_t value = ReadInt(ini, key, "", INT16_MIN, UINT16_MAX);
                            image.words[block.word + j] = static_cast<uint16_t>(value);
                        } else {
                            const int32_t value = ReadInt(ini, key, "");
                            image.Set32(block.word + 2 * j, static_cast<uint32_t>(value));
                        }
                    });
    if (std::optional<ParameterViolation> violation = FindInvalidParameter(image))
        throw CPrivateException(ViolationMessage(image, *violation));
    return image;
}

bool SaveConfigFile(const std::string& path, const ParameterImage& image) {
    CIniFile ini;
    if (FileStatus status = ini.Load(path); !status)
        throw CPrivateException::WithSystemText(kMsgSaveError, status.Text(path));
    StoreConfig(ini, image);
    if (FileStatus status = ini.Save(path); !status)
        throw CPrivateException::WithSystemText(kMsgSaveError, status.Text(path));
    return true;
}

void CheckSaveFile(const std::string& path) {
    if (FileStatus status = CheckSaveTarget(path); !status)
        throw CPrivateException::WithSystemText(kMsgSaveError, status.Text(path));
}

bool LoadConfigFile(const std::string& path, ParameterImage& image) {
    // A missing file is a load error, not an empty configuration.
    std::string data;
    if (FileStatus status = ReadSmallFile(path, kMaxSettingsFileBytes, data); !status)
        throw CPrivateException::WithSystemText(kMsgLoadError, status.Text(path));
    CIniFile ini;
    ini.Parse(std::move(data));
    image = ReadConfig(ini);
    return true;
}

}  // namespace voltaro
