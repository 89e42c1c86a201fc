// What voltaro-cli prints for --help and help COMMAND. The option names in these texts
// are also what the shell completion offers, so every option a command takes is named in
// its text.
#include "core/platform/string_table.h"
#include "core/platform/ui_text_ids.h"

namespace voltaro::strings {
namespace {

const StringEntry kData[] = {
    {kTextCliUsage,
     "Usage: voltaro-cli COMMAND [OPTION]...\n"
     "Configures and monitors power meters and multi-circuit power transducers from a shell.\n"
     "\n"
     "Commands:\n"},
    {kTextCliConnectionOptions,
     "Connection options (unset ones come from the desktop program's connection settings):\n"
     "  --tcp HOST[:PORT]      Modbus-TCP to HOST (port 502 unless given)\n"
     "  --serial PATH|COMn     Modbus-RTU on a serial port (RS-485 converter or the\n"
     "                         configuration jack)\n"
     "  --infrared PATH|COMn   Modbus-RTU through an infra-red adapter (1200 bit/s, odd)\n"
     "  --address N            the device's Modbus address, 1 to 247\n"
     "  --baud B               1200, 2400, 4800, 9600, 19200 or 38400\n"
     "  --parity none|odd|even\n"
     "  --stop 1|2\n"},
    {kTextCliCommonOptions,
     "Every command takes --help (its options and an example) and --quiet (no progress\n"
     "bar and no confirmation of a completed write; results and errors are still shown).\n"
     "\"voltaro-cli help COMMAND\" shows the same as \"voltaro-cli COMMAND --help\".\n"
     "Results go to standard output, errors to standard error.\n"
     "Exit status: 0 done, 1 failed, 2 wrong arguments, 3 differences found (compare,\n"
     "report), 4 wiring faults found (wiring-check).\n"},
    {kTextCliUnknownCommand,
     "Unknown command \"%1!s!\" (\"voltaro-cli --help\" lists the commands)."},
    {kTextCliCancelled, "cancelled"},
    {kTextCliExample, "Example:"},
    {kTextCliNoHelp, "No help for \"%1!s!\": there is no such command."},

    {kTextCliNeedsValue, "%1!s! needs a value"},
    {kTextCliUnknownOption, "unknown option %1!s!"},
    {kTextCliUploaded, "uploaded row %1!d! (%2!s!) to %3!s!"},
    {kTextCliDownloaded, "downloaded %1!s!"},
    {kTextCliProtectionOn, "protection on"},
    {kTextCliProtectionOff, "protection off"},
    {kTextCliGot, " (got \"%1!s!\")"},
    {kTextCliTcpHost, "--tcp needs a host name or address"},
    {kTextCliTcpPortMissing, "--tcp HOST:PORT needs a port after the colon"},
    {kTextCliTcpPort, "--tcp HOST:PORT needs a port 1 to 65535"},
    {kTextCliPortPath, "%1!s! needs a device path or COMn"},
    {kTextCliAddress, "--address must be 1 to 247"},
    {kTextCliBaud, "--baud must be one of 1200, 2400, 4800, 9600, 19200, 38400"},
    {kTextCliParity, "--parity must be none, odd or even"},
    {kTextCliStop, "--stop must be 1 or 2"},

    {kTextCliSummaryPorts, "the serial ports of this computer"},
    {kTextCliSummaryIdentify, "identify the connected device"},
    {kTextCliSummaryRead, "read holding registers of the device"},
    {kTextCliSummaryModels, "list the selectable models"},
    {kTextCliSummaryParams, "default parameters of a device type"},
    {kTextCliSummaryUpload, "read the device's parameters into a configuration file"},
    {kTextCliSummaryDownload, "write a configuration file to the device"},
    {kTextCliSummaryCompare, "compare a configuration file with the device or another file"},
    {kTextCliSummaryReport, "parameter report of a file or the device, or CSV export"},
    {kTextCliSummaryProtect, "turn the passcode protection on, off, or change it"},
    {kTextCliSummaryMonitor, "measured values, pass after pass"},
    {kTextCliSummaryClock, "show, set or synchronise the device's clock"},
    {kTextCliSummaryReset, "reset energies, maxima/minima, demand or counters"},
    {kTextCliSummaryTag, "show or set the device's tag"},
    {kTextCliSummaryPreset, "preset an energy or counter value"},
    {kTextCliSummaryLoopTest, "force analogue and discrete outputs for a loop test"},
    {kTextCliSummaryWiringCheck, "check the meter's CT and VT wiring from its phase vectors"},

    {kTextCliHelpPorts,
     "Usage: voltaro-cli ports\n"
     "Lists the serial ports that the Connect dialog offers: index, name and device path\n"
     "(COM1 to COM16, USB and on-board ports, and simulated ports of voltaro-sim --pty).\n"},
    {kTextCliHelpIdentify,
     "Usage: voltaro-cli identify [CONNECTION]\n"
     "Reads the device's identification: device id, firmware version, extension id, I/O\n"
     "configuration words, catalogue row and model.\n"},
    {kTextCliHelpRead,
     "Usage: voltaro-cli read ADDR COUNT [CONNECTION]\n"
     "Reads COUNT holding registers from register ADDR (0-based, as the device's register\n"
     "map numbers them) and prints each in decimal and hexadecimal.\n"},
    {kTextCliHelpModels,
     "Usage: voltaro-cli models\n"
     "Lists the models that can be selected: prefix, description, version note and the row\n"
     "of the device type table that params --row takes.\n"},
    {kTextCliHelpParams,
     "Usage: voltaro-cli params --row N [--all]\n"
     "Prints the default parameters of device type row N (see models).\n"
     "  --row N   the device type row\n"
     "  --all     also the parameters that do not apply to the device type\n"},
    {kTextCliHelpUpload,
     "Usage: voltaro-cli upload FILE.cfg [--timing] [CONNECTION]\n"
     "Reads every parameter of the device and saves them as a configuration file.\n"
     "  --timing   print the time the transfer took on standard error\n"},
    {kTextCliHelpDownload,
     "Usage: voltaro-cli download FILE.cfg [--passcode N] [--remember] [--no-backup]\n"
     "       [--no-verify] [CONNECTION]\n"
     "Writes the configuration file to the device, unlocking its passcode protection for\n"
     "the write and locking it again afterwards. The file must be for the device's model.\n"
     "First the device's present configuration is saved as a backup (under\n"
     "$XDG_DATA_HOME/voltaro/backups/SERIAL/); afterwards the written values are read back\n"
     "and compared (exit 1 when they differ). Each download adds a line to\n"
     "$XDG_DATA_HOME/voltaro/audit.log. Downloading a backup file restores it.\n"
     "Infra-red links skip the backup unless the Connect dialog turns it on.\n"
     "  --passcode N   the device's passcode (default: the remembered one)\n"
     "  --remember     remember the passcode for later commands\n"
     "  --no-backup    make no backup first\n"
     "  --no-verify    do not read the written values back\n"},
    {kTextCliHelpCompare,
     "Usage: voltaro-cli compare FILE.cfg [OTHER.cfg] [CONNECTION]\n"
     "Compares the configuration file with the device, or with a second file, and lists\n"
     "the parameters that differ. Exit status 3 when any differs.\n"},
    {kTextCliHelpReport,
     "Usage: voltaro-cli report [FILE.cfg] [--device] [--csv OUT.csv] [--all] [CONNECTION]\n"
     "The parameter report of a configuration file, of the device (--device), or of both\n"
     "side by side (exit status 3 when they differ).\n"
     "  --device       read the device\n"
     "  --csv OUT.csv  export the report as CSV instead of printing it\n"
     "  --all          also the parameters that do not apply to the device type\n"},
    {kTextCliHelpProtect,
     "Usage: voltaro-cli protect [--current N] --new M [CONNECTION]\n"
     "Turns the device's Modbus passcode protection on with passcode M, changes it, or\n"
     "turns it off (--new 0).\n"
     "  --current N   the passcode in use, while the protection is on\n"
     "  --new M       the new passcode, 1 to 999999999, or 0 for no protection\n"},
    {kTextCliHelpClock,
     "Usage: voltaro-cli clock [--set \"YYYY-MM-DD hh:mm:ss\" | --sync] [--passcode N\n"
     "                         [--remember]] [CONNECTION]\n"
     "Shows the device's clock beside this computer's, sets it, or sets it to this\n"
     "computer's time.\n"
     "  --set TIME     set the clock to TIME\n"
     "  --sync         set the clock to this computer's local time\n"
     "  --passcode N   the device's passcode (default: the remembered one); --remember\n"
     "                 remembers it\n"},
    {kTextCliHelpReset,
     "Usage: voltaro-cli reset KIND [--channel N] [--yes] [--passcode N [--remember]]\n"
     "                         [CONNECTION]\n"
     "Resets the device's energies, maxima and minima, demand values or counters. A\n"
     "terminal is asked \"Are you sure?\"; elsewhere --yes confirms.\n"
     "KIND on meters: energy, maxmin, demand, counter. On a ZC device, per channel\n"
     "(--channel 1 to 16): energy, hourly, demand-current, demand-power, maxmin-current,\n"
     "maxmin-power, maxmin-power-factor, maxmin-demand-current, maxmin-demand-power,\n"
     "thd-current; per discrete input (--channel 1 to 8): counter, hourly-counter; for\n"
     "all channels (no --channel): maxmin-voltage, maxmin-frequency, thd-voltage.\n"
     "  --channel N    the measuring input of a device with two (1 or 2, default 1);\n"
     "                 on a ZC device the channel, required for per-channel kinds\n"
     "  --yes          confirm without asking\n"
     "  --passcode N   the device's passcode; --remember remembers it\n"},
    {kTextCliHelpTag,
     "Usage: voltaro-cli tag [--set TEXT] [--passcode N [--remember]] [CONNECTION]\n"
     "Shows the device's tag, or sets it to TEXT.\n"
     "  --set TEXT     the new tag\n"
     "  --passcode N   the device's passcode; --remember remembers it\n"},
    {kTextCliHelpPreset,
     "Usage: voltaro-cli preset NAME VALUE [--tariff 1|2] [--channel 1|2] [--yes]\n"
     "                          [--passcode N [--remember]] [CONNECTION]\n"
     "Presets the energy or counter value NAME (as the preset dialog names it, for\n"
     "example \"Active in\" or \"Counter 1\") to VALUE.\n"
     "On a ZC device NAME is \"Active in\" or \"Reactive LAG\" (one decimal, --channel 1\n"
     "to 16) or \"Counter\" (whole number, --channel 1 to 8); --tariff does not apply.\n"
     "  --tariff 1|2   the tariff of a tariff energy (default 1)\n"
     "  --channel N    the measuring input of a device with two (1 or 2, default 1); on\n"
     "                 a ZC device the channel or discrete input, required\n"
     "  --yes          confirm without asking\n"
     "  --passcode N   the device's passcode; --remember remembers it\n"},
    {kTextCliHelpLoopTest,
     "Usage: voltaro-cli loop-test status|on|off|values NAME=VALUE... [--channel 1|2]\n"
     "                             [--yes] [--passcode N [--remember]] [CONNECTION]\n"
     "Shows whether the device is in loop-test mode, switches the mode on or off, or\n"
     "forces output values: analogue outputs by name (Ao1=4.00), ZB and ZC test items by\n"
     "number (0=12.5). Leaving the mode on is shown by every later status.\n"
     "  --channel 1|2  the measuring input of a device with two (default 1)\n"
     "  --yes          confirm switching on without asking\n"
     "  --passcode N   the device's passcode; --remember remembers it\n"},
};

}  // namespace

const std::span<const StringEntry> kCliHelp{kData};

}  // namespace voltaro::strings
