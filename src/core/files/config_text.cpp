// Stable parameter keys and the JSON and text exports of a parameter image.
#include "core/files/config_text.h"

#include <cctype>
#include <map>
#include <set>

#include "core/files/parameter_report.h"
#include "core/model/model_list.h"
#include "core/model/parameter_blocks.h"
#include "core/model/parameter_words.h"
#include "core/platform/json_text.h"
#include "core/platform/string_table.h"

namespace voltaro {
namespace {

// Lower-case letters and digits; every other run of characters one "_", none at the ends.
std::string KeyPart(const std::string& text) {
    std::string part;
    for (char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x80 && std::isalnum(u)) {
            part += static_cast<char>(std::tolower(u));
        } else if (!part.empty() && part.back() != '_') {
            part += '_';
        }
    }
    while (!part.empty() && part.back() == '_')
        part.pop_back();
    return part;
}

struct KeyTable {
    std::vector<std::string> keyOfWord = std::vector<std::string>(kImageWords);
    std::map<std::string, int, std::less<>> wordOfKey;
};

const KeyTable& Keys() {
    static const KeyTable table = [] {
        CEnglishTextScope english;
        KeyTable keys;
        const ParameterImage image;
        for (int word : ReportEntryWords()) {
            const std::string base =
                KeyPart(image.GroupName(word)) + "." + KeyPart(image.ParameterName(word));
            std::string key = base;
            for (int n = 2; keys.wordOfKey.count(key) != 0; ++n)
                key = base + "_" + std::to_string(n);
            keys.keyOfWord[static_cast<std::size_t>(word)] = key;
            keys.wordOfKey.emplace(key, word);
        }
        return keys;
    }();
    return table;
}

// Words whose 16 bits are signed values.
bool HoldsSigned16(int word) {
    const int type = Definition(word).type;
    return (type == kTypeSigned16 || type == kTypeOutputLevel) && word != kWordPort;
}

std::string ModelJson(const ParameterImage& image) {
    const CDeviceType& type = image.deviceType;
    std::string io;
    for (uint16_t value : type.ioConfig)
        io += (io.empty() ? "" : ", ") + std::to_string(value);
    return "  \"model\": {\"row\": " + std::to_string(type.typeIndex) +
           ", \"name\": " + JsonString(ModelDisplayText(type)) +
           ", \"deviceId\": " + std::to_string(type.deviceId) +
           ", \"extension\": " + std::to_string(type.extensionId & kExtensionIdMask) +
           ", \"version\": " + std::to_string(type.version) + ", \"io\": [" + io + "]},\n";
}

}  // namespace

const std::string& ConfigKey(int word) {
    static const std::string none;
    if (word < 0 || word >= kImageWords) return none;
    return Keys().keyOfWord[static_cast<std::size_t>(word)];
}

int ConfigKeyWord(std::string_view key) {
    const auto& map = Keys().wordOfKey;
    const auto found = map.find(key);
    return found == map.end() ? -1 : found->second;
}

std::vector<int> StoredEntryWords(const ParameterImage& image) {
    const CDeviceType& type = image.deviceType;
    std::set<int> stored;
    for (const ParameterBlock& block : BlockTableFor(type))
        if (block.AppliesTo(type.FeatureSet()))
            for (int i = 0; i < block.Registers(); ++i)
                stored.insert(block.word + i);
    std::vector<int> words;
    for (int word : ReportEntryWords())
        if (stored.count(word) != 0) words.push_back(word);
    return words;
}

int64_t RawEntryValue(const ParameterImage& image, int word) {
    if (StartsTwoWordEntry(word)) {
        const uint32_t bits = image.Get32(word);
        if (Definition(word).type == kTypeAddress) return bits;
        return static_cast<int32_t>(bits);
    }
    if (HoldsSigned16(word)) return static_cast<int16_t>(image.words[word]);
    return image.words[word];
}

RawRange RawEntryRange(int word) {
    if (StartsTwoWordEntry(word)) {
        if (Definition(word).type == kTypeAddress) return {0, UINT32_MAX};
        return {INT32_MIN, INT32_MAX};
    }
    if (HoldsSigned16(word)) return {INT16_MIN, INT16_MAX};
    return {0, UINT16_MAX};
}

void SetRawEntryValue(ParameterImage& image, int word, int64_t value) {
    if (StartsTwoWordEntry(word))
        image.Set32(word, static_cast<uint32_t>(value));
    else
        image.words[word] = static_cast<uint16_t>(value);
}

std::vector<ConfigTextEntry> ConfigTextEntries(const ParameterImage& image) {
    CEnglishTextScope english;
    std::vector<ConfigTextEntry> entries;
    for (int word : StoredEntryWords(image)) {
        entries.push_back({word, ConfigKey(word), image.GroupName(word), image.ParameterName(word),
                           RawEntryValue(image, word), image.ValueText(word)});
    }
    return entries;
}

std::string ExportConfigJson(const ParameterImage& image) {
    CEnglishTextScope english;
    image.deviceType.Record();  // looks the row up when none is set yet
    std::string json = "{\n  \"format\": " + JsonString(kConfigExportFormat) +
                       ",\n  \"version\": " + std::to_string(kConfigExportVersion) + ",\n" +
                       ModelJson(image) + "  \"groups\": [";
    const std::vector<ConfigTextEntry> entries = ConfigTextEntries(image);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const ConfigTextEntry& e = entries[i];
        const bool newGroup = i == 0 || e.group != entries[i - 1].group;
        if (newGroup) {
            json += std::string(i == 0 ? "\n" : "\n    ]},\n") +
                    "    {\"group\": " + JsonString(e.group) + ", \"parameters\": [\n";
        } else {
            json += ",\n";
        }
        json += "      {\"key\": " + JsonString(e.key) + ", \"name\": " + JsonString(e.name) +
                ", \"value\": " + std::to_string(e.value) + ", \"text\": " + JsonString(e.text) +
                "}";
    }
    json += entries.empty() ? "]\n}\n" : "\n    ]}\n  ]\n}\n";
    return json;
}

std::string ExportConfigText(const ParameterImage& image) {
    CEnglishTextScope english;
    image.deviceType.Record();
    const CDeviceType& type = image.deviceType;
    std::string io;
    for (uint16_t value : type.ioConfig)
        io += (io.empty() ? "" : ",") + std::to_string(value);
    std::string text = "# " + std::string(kConfigExportFormat) + " " +
                       std::to_string(kConfigExportVersion) + "\n" +
                       "model = " + std::to_string(type.typeIndex) + "\t" + ModelDisplayText(type) +
                       "\n" + "identification = " + std::to_string(type.deviceId) + " " +
                       std::to_string(type.extensionId & kExtensionIdMask) + " " +
                       std::to_string(type.version) + " " + io + "\n";
    std::string group;
    bool first = true;
    for (const ConfigTextEntry& e : ConfigTextEntries(image)) {
        if (first || e.group != group) text += "\n[" + e.group + "]\n";
        first = false;
        group = e.group;
        text += e.key + " = " + std::to_string(e.value) + "\t" + e.name + "\t" + e.text + "\n";
    }
    return text;
}

}  // namespace voltaro
