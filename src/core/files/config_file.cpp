// Configuration file reading and writing.
#include "core/files/config_file.h"

#include <sys/stat.h>
#include <cerrno>
#include <optional>

#include "core/model/parameter_blocks.h"
#include "core/model/parameter_image.h"
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
// or malformed value (or one that does not fit 32 bits) makes the file invalid.
int32_t ReadInt(const CIniFile& ini, const std::string& key, const char* defaultValue) {
    std::optional<std::string> text = ini.Get(kConfigSection, key);
    std::optional<int> value = ParseProfileInt(text ? *text : std::string(defaultValue));
    if (!value) throw CPrivateException(kMsgInvalidFileFormat);
    return *value;
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

ParameterImage ReadConfig(const CIniFile& ini) {
    auto id = static_cast<uint16_t>(ReadInt(ini, "Model", "7811"));
    auto extension = static_cast<uint16_t>(ReadInt(ini, "DeviceExtension", "0"));
    auto version = static_cast<uint16_t>(ReadInt(ini, "DeviceVersion", "0"));
    std::array<uint16_t, 5> io{};
    for (int i = 0; i < 5; ++i)
        io[i] = static_cast<uint16_t>(ReadInt(ini, IoKey(i), "0"));

    ParameterImage image;
    image.deviceType = CDeviceType(id, version, extension, io);
    ForEachValueKey(image.deviceType,
                    [&](const std::string& key, const ParameterBlock& block, int j) {
                        int32_t value = ReadInt(ini, key, "");
                        if (block.kind == 0)
                            image.words[block.word + j] = static_cast<uint16_t>(value);
                        else
                            image.Set32(block.word + 2 * j, static_cast<uint32_t>(value));
                    });
    return image;
}

bool SaveConfigFile(const std::string& path, const ParameterImage& image) {
    CIniFile ini;
    if (!ini.Load(path)) throw CPrivateException(kMsgSaveError, errno);
    StoreConfig(ini, image);
    if (!ini.Save(path)) throw CPrivateException(kMsgSaveError, errno);
    return true;
}

bool LoadConfigFile(const std::string& path, ParameterImage& image) {
    // A profile read of a file that is not there returns the defaults and sets the
    // last error; that is a load error, not an empty configuration.
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) throw CPrivateException(kMsgLoadError, errno);
    if (S_ISDIR(st.st_mode)) throw CPrivateException(kMsgLoadError, EISDIR);
    CIniFile ini;
    if (!ini.Load(path)) throw CPrivateException(kMsgLoadError, errno);
    ParameterImage loaded = ReadConfig(ini);
    image = loaded;
    return true;
}

}  // namespace voltaro
