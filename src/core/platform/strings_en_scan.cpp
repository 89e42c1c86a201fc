// Texts of the bus scan and "Find devices..." (ids in scan_text_ids.h).
#include "core/platform/scan_text_ids.h"
#include "core/platform/string_table.h"

namespace voltaro::strings {
namespace {

const StringEntry kData[] = {
    {kMsgScanAddressListInvalid,
     "The address list \"%1!s!\" is not valid: give addresses 1 to 247 as numbers and ranges, "
     "for example 1-247 or 1,5,9-12."},
    {kMsgScanBaudListInvalid,
     "The baud rate list \"%1!s!\" is not valid: choose from 1200, 2400, 4800, 9600, 19200 and "
     "38400."},
    {kMsgScanParityListInvalid,
     "The parity list \"%1!s!\" is not valid: use N (none), E (even) and O (odd)."},
    {kMsgScanStopInvalid, "The stop bits \"%1!s!\" are not valid: give 1 or 2."},
    {kMsgScanTimeoutInvalid,
     "The time-out \"%1!s!\" is not valid: give %2!d! to %3!d! milliseconds."},
    {kMsgScanUnitListInvalid,
     "The unit id list \"%1!s!\" is not valid: give unit ids 1 to 247 as numbers and ranges."},
    {kMsgScanNotIdentified, "not identified: %1!s!"},
    {kMsgScanNothingFound, "No device answered."},
    {kMsgScanFoundCount, "Devices found: %1!d!"},
    {kMsgScanStopped, "Scan stopped; the devices found so far:"},
    {kMsgScanTableHeading, "address\tbaud\tparity\tstop\trow\tmodel"},
    {kMsgScanParityNone, "none"},
    {kMsgScanParityEven, "even"},
    {kMsgScanParityOdd, "odd"},
    {kMsgScanLineText, "%1!u! bit/s, parity %2!s!, %3!d! stop bit(s)"},
    {kMsgScanProgress, "Address %1!d!, %2!s!"},
    {kMsgScanSummary, "find the devices on a serial bus or behind a TCP gateway"},
    {kMsgScanUsage,
     "usage: voltaro-cli scan [--serial PORT | --tcp HOST[:PORT]] [--addresses LIST]\n"
     "       [--bauds LIST] [--parity LIST] [--stop 1|2] [--timeout MS] [--json]\n"
     "Sends one identification request to every address at every line setting (over TCP to\n"
     "every unit id), without retries, and lists each device that answers with its address,\n"
     "line settings, catalogue row and model. A device that answers with an exception or a\n"
     "malformed answer is listed as not identified, with the reason. Ctrl-C stops the scan\n"
     "and still lists what was found.\n"
     "  --addresses LIST  addresses or unit ids, e.g. 1-247 (default) or 1,5,9-12\n"
     "  --bauds LIST      baud rates from 1200,2400,4800,9600,19200,38400 (default: the\n"
     "                    connection's)\n"
     "  --parity LIST     parities from N,E,O (default: the connection's)\n"
     "  --stop 1|2        stop bits (default: 2 without parity, 1 with it)\n"
     "  --timeout MS      time-out of one request at 9600 bit/s and above (default 100),\n"
     "                    longer in proportion at slower rates\n"
     "  --json            one JSON object per device found\n"
     "Exit status: 0 devices found, 1 none found or the port could not be opened, 2 bad\n"
     "arguments.\n"},
    {kUiFindDevicesButton, "Find devices..."},
    {kUiFindDevicesTitle, "Find devices"},
    {kUiScanAddressesLabel, "Addresses:"},
    {kUiScanBaudsLabel, "Baud rates:"},
    {kUiScanStartButton, "Scan"},
    {kUiScanColumnAddress, "Address"},
    {kUiScanColumnLine, "Line settings"},
    {kUiScanColumnModel, "Model"},
    {kUiScanUseButton, "Use"},
    {kUiScanTargetSerial, "Port: %1!s!"},
    {kUiScanTargetTcp, "Host: %1!s!:%2!s! (unit ids)"},
    {kUiScanProgressTitle, "Scanning the bus"},
};

}  // namespace

const std::span<const StringEntry> kScan{kData};

}  // namespace voltaro::strings
