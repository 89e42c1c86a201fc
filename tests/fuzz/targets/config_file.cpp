// Fuzz target: a configuration file's text through the loader. A file that loads must
// save and load again to the same image.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/files/config_file.h"
#include "core/model/parameter_image.h"
#include "core/platform/private_exception.h"
#include "core/platform/profile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    using namespace voltaro;
    CIniFile ini;
    ini.Parse(std::string(reinterpret_cast<const char*>(data), size));
    ParameterImage image;
    try {
        image = ReadConfig(ini);
    } catch (const CPrivateException&) {
        return 0;  // refused with a message: fine
    }
    CIniFile saved;
    StoreConfig(saved, image);
    CIniFile reread;
    reread.Parse(saved.Text());
    // A saved file loads again, to the same row and the same words.
    const ParameterImage again = ReadConfig(reread);
    if (again.deviceType.Record() != image.deviceType.Record() || again.words != image.words)
        __builtin_trap();
    return 0;
}
