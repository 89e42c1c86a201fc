// Texts of fleet runs over many devices (ids in fleet_text_ids.h).
#include "core/platform/fleet_text_ids.h"
#include "core/platform/string_table.h"

namespace voltaro::strings {
namespace {

const StringEntry kEntries[] = {
    {kMsgFleetAtLine, "%1!s!, line %2!d!: %3!s!"},
    {kMsgFleetAtKey, "[%1!s!] %2!s!: %3!s!"},
    {kMsgFleetUnknownKey,
     "unknown key (a device takes tcp, unit, serial, address, baud, parity, stop, tags and row)"},
    {kMsgFleetDuplicateDevice, "the device [%1!s!] is already named on line %2!d!"},
    {kMsgFleetDuplicateKey, "given twice (first on line %1!d!)"},
    {kMsgFleetNoLink, "[%1!s!] needs tcp = HOST[:PORT] or serial = PORT"},
    {kMsgFleetBothLinks, "tcp and serial cannot both be given"},
    {kMsgFleetUnit, "unit must be 1 to 247"},
    {kMsgFleetSerialKey, "applies to serial devices only"},
    {kMsgFleetTcpKey, "applies to tcp devices only"},
    {kMsgFleetDeviceName,
     "the device name \"%1!s!\" names its files: it must not be empty, \".\" or \"..\", start with "
     "\"-\", "
     "or hold \"/\", \"\\\" or control characters"},
    {kMsgFleetStrayLine, "neither a [device] header nor KEY = VALUE inside one: \"%1!s!\""},
    {kMsgFleetTags,
     "tags must be names (letters, digits, \"-\", \"_\", \".\") separated by commas"},
    {kMsgFleetRow, "row must be a catalogue row 0 to %1!d!"},
    {kMsgFleetNoDevices, "%1!s! names no device"},
    {kMsgFleetNoTagMatch, "no device of %1!s! has one of the tags %2!s!"},
    {kMsgFleetCannotRead, "the fleet file %1!s! cannot be read: %2!s!"},

    {kTextFleetOk, "ok"},
    {kTextFleetFailed, "failed"},
    {kTextFleetDiffers, "differs"},
    {kTextFleetCancelled, "cancelled"},
    {kTextFleetNotStarted, "not started"},
    {kTextFleetHeadDevice, "device"},
    {kTextFleetHeadResult, "result"},
    {kTextFleetHeadTime, "time"},
    {kTextFleetHeadMessage, "message"},
    {kMsgFleetSummary,
     "%1!d! devices: %2!d! ok, %3!d! failed, %4!d! differ, %5!d! cancelled or not started"},

    {kMsgFleetIdentified, "%1!s!, catalogue row %2!d!, version %3!s!, serial %4!s!"},
    {kMsgFleetUploaded, "%1!s! saved as %2!s!"},
    {kMsgFleetSame, "same as %1!s!"},
    {kMsgFleetDifferent, "%1!d! parameters differ from %2!s!: %3!s!"},
    {kMsgFleetDownloaded, "%1!s! written"},
    {kMsgFleetMonitorRow, "a row written to %1!s!"},
    {kMsgFleetClockSynced, "clock set to %1!s!"},
    {kMsgFleetPasscodeNeeded,
     "the device is write protected; give --passcode N (or remember one with voltaro-cli "
     "protect)"},
    {kMsgFleetNotUnlocked, "the device could not be unlocked: nothing written"},
    {kMsgFleetProgress, "[%1!d!/%2!d!] %3!s!: %4!s! (%5!s! s) %6!s!"},
    {kMsgFleetStopping, "stopping: running devices finish and lock again, no new one starts"},
    {kMsgFleetReportFailed, "the report %1!s! cannot be written: %2!s!"},

    {kMsgFleetUsage, "needs FLEET.ini COMMAND ..."},
    {kMsgFleetUnknownCommand,
     "unknown fleet command \"%1!s!\" (identify, upload, compare, download, monitor, clock)"},
    {kMsgFleetNeedsYes, "a download to a fleet writes every device: confirm it with --yes"},
    {kMsgFleetJobs, "--jobs must be 1 to 64"},
    {kMsgFleetNeedsDirectory, "%1!s! needs a directory"},
    {kMsgFleetNotDirectory, "%1!s! is no directory"},
    {kMsgFleetNeedsFile, "%1!s! needs FILE.cfg"},
    {kMsgFleetMonitorArguments, "fleet monitor needs --once --csv DIR/"},
    {kMsgFleetClockArguments, "fleet clock needs --sync"},
    {kTextCliSummaryFleet, "run a command on every device of a fleet file"},
    {kTextCliHelpFleet,
     "Usage: voltaro-cli fleet FLEET.ini [--tags A,B] [--jobs N] [--report FILE.json] COMMAND\n"
     "Runs one command on every device of the fleet file (one [section] per device, named by\n"
     "the device: tcp = HOST[:PORT] with unit = N, or serial = PORT with address, baud,\n"
     "parity and stop; tags = A,B). Devices behind one serial port or one gateway run one\n"
     "after another; different ones run in parallel. A failing device does not stop the\n"
     "others; Ctrl-C lets running devices finish and lock again and starts no new one.\n"
     "Commands:\n"
     "  identify                    the model of every device\n"
     "  upload DIR/                 DIR/DEVICE.cfg for every device\n"
     "  compare GOLDEN.cfg          every device against the file (exit 3: some differ)\n"
     "  download FILE.cfg --yes     the file to every device, each backed up before and\n"
     "                              read back after [--passcode N] [--no-backup] [--no-verify]\n"
     "  monitor --once --csv DIR/   one row of measured values to DIR/DEVICE.csv\n"
     "  clock --sync                every device's clock set to the PC's [--passcode N]\n"
     "  --tags A,B          only the devices with one of these tags\n"
     "  --jobs N            at most N devices at once (default 8)\n"
     "  --report FILE.json  the results as JSON\n"
     "Exit 0 when every device succeeded, 1 otherwise, 3 when all ran but some differ.\n"},

    {kMsgFleetSimTcpOnly, "[%1!s!]: voltaro-sim --fleet serves tcp devices only"},
    {kMsgFleetSimUnitTwice, "[%1!s!]: unit %2!d! of %3!s! is already served for [%4!s!]"},
    {kMsgFleetSimServing, "%1!d! devices on %2!d! ports"},
};

}  // namespace

const std::span<const StringEntry> kFleet{kEntries};

}  // namespace voltaro::strings
