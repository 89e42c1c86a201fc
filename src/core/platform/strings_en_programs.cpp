// What the programs print on the command line for --version and --help.
#include "core/platform/string_table.h"
#include "core/platform/ui_text_ids.h"

namespace voltaro::strings {
namespace {

const StringEntry kData[] = {
    {kTextVersionLine, "%1!s! Version %2!s!"},
    {kTextLanguageEnglish, "Language: English"},
    {kTextLanguageModule, "Language: Japanese (%1!s!)"},
    {kTextDesktopUsage,
     "Usage: voltaro [OPTION]...\n"
     "Configures and monitors power meters and multi-circuit power transducers over\n"
     "Modbus-RTU and Modbus-TCP.\n"
     "\n"
     "  --simulate[=ROW]   work with a simulated device of catalogue row ROW (0 to %1!d!,\n"
     "                     default %2!d!) on a free loopback port, with connection settings of\n"
     "                     its own (language and window settings stay the user's)\n"
     "  --screenshot FILE  upload from the device, save pictures of the main window to\n"
     "                     FILE, of setting dialogs, the report and the monitor beside it\n"
     "                     (FILE-display.png, ..., FILE-monitor.png) and quit\n"
     "  --startup-time     print the time from start to the first paint of the main window\n"
     "  --help             show this help and quit\n"
     "  --version          show the version and the language in use, and quit\n"
     "\n"
     "Settings are kept in %3!s! (VOLTARO_PROFILE names another file).\n"
     "Exit status: 0 done, 1 failed, 2 bad arguments.\n"},
};

}  // namespace

const std::span<const StringEntry> kPrograms{kData};

}  // namespace voltaro::strings
