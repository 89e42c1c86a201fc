#pragma once
// Configurations as reviewable text: the stable key of every parameter, and the export of
// an image to JSON (which ImportConfigJson reads back) and to plain text. Both list the
// parameters that the image's configuration file stores, in the report's order and groups,
// one line per parameter, with the raw value and the value text. Keys, names and texts
// are the English ones whatever the active language (CEnglishTextScope), so that exports
// of the same image by users of different languages are equal byte for byte.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/parameter_image.h"

namespace voltaro {

// What the "format" member of an export says, and the version it carries.
constexpr const char* kConfigExportFormat = "voltaro-configuration";
constexpr int kConfigExportVersion = 1;

// The key of parameter entry word: the English group and name in lower case, every run of
// other characters than letters and digits as one "_", joined by "." ("modbus.device_address");
// where two entries would have the same key, the later ones get "_2", "_3" ... in word
// order. Empty for a word that starts no entry.
const std::string& ConfigKey(int word);
// The entry word of key, or -1.
int ConfigKeyWord(std::string_view key);

// The first words of the entries that image's configuration file stores (its model's
// blocks), in report order. Every parameter that applies to the model is one of them.
std::vector<int> StoredEntryWords(const ParameterImage& image);

// The raw value of entry word as the file stores it: a 32-bit value signed, an address
// as the unsigned 32 bits of its two words, a 16-bit word signed where its value type is
// signed, else unsigned.
int64_t RawEntryValue(const ParameterImage& image, int word);
// The values RawEntryValue can give for word, and the image words a raw value sets.
struct RawRange {
    int64_t min;
    int64_t max;
};
RawRange RawEntryRange(int word);
void SetRawEntryValue(ParameterImage& image, int word, int64_t value);

// One stored entry as an export shows it (English texts).
struct ConfigTextEntry {
    int word = 0;
    std::string key;
    std::string group;
    std::string name;
    int64_t value = 0;
    std::string text;  // empty for a stored word that is no parameter of the model
};
std::vector<ConfigTextEntry> ConfigTextEntries(const ParameterImage& image);

std::string ExportConfigJson(const ParameterImage& image);
std::string ExportConfigText(const ParameterImage& image);

}  // namespace voltaro
