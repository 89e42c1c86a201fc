// Fuzz target: the private-profile reader on any text, then an edit: a value written
// (any text: line breaks, brackets, quotes) changes that value only, also after the file
// text was written and read again.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/platform/profile.h"

namespace {

// Every key and value of the sections that matter, in file order.
std::vector<std::string> Contents(const voltaro::CIniFile& ini) {
    std::vector<std::string> all;
    for (const char* section : {"Settings", "ComSettings", "KT2CFG", "S"}) {
        for (const std::string& key : ini.Keys(section)) {
            all.push_back(std::string(section) + "/" + key);
            all.push_back(ini.Get(section, key).value_or("<none>"));
        }
    }
    return all;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    using namespace voltaro;
    const std::string text(reinterpret_cast<const char*>(data), size);
    CIniFile ini;
    ini.Parse(text);
    ParseProfileInt(text);
    // The value to write: the input's last line.
    const std::size_t lastBreak = text.rfind('\n', size > 0 ? size - 2 : 0);
    const std::string value = lastBreak == std::string::npos ? text : text.substr(lastBreak + 1);
    ini.Set("Settings", "Passcode", value);
    CIniFile reread;
    reread.Parse(ini.Text());
    if (Contents(reread) != Contents(ini)) __builtin_trap();
    ini.Remove("Settings", "Passcode");
    if (ini.Get("Settings", "Passcode")) __builtin_trap();
    return 0;
}
