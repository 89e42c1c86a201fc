// Texts of the desktop program's data safety: a list value kept although the device type's
// list lacks it, downloads refused for a value, retries of a silent device, and the
// protection state (ids 30200 to 30269, named in message_ids.h and ui_text_ids.h).
#include "core/platform/message_ids.h"
#include "core/platform/string_table.h"
#include "core/platform/ui_text_ids.h"

namespace voltaro::strings {
namespace {

const StringEntry kData[] = {
    {kTextUnlistedValue, "%1!d! (not a choice of this model)"},
    {kMsgDownloadNotAllowed,
     "Download refused: %1!s! - %2!s! (register %3!d!) holds %4!s!; allowed: %5!s!. Nothing "
     "was written to the device."},
    {kMsgRetryingNoAnswer, "No answer, trying again (%1!d! of %2!d!)..."},
    {kMsgIpOctetRange, "%1!s! is not accepted: each field of an IP address is 0 to 255."},
    {kMsgProtectionIsOn,
     "Protection is on: the device takes writes only with its Modbus passcode."},
    {kMsgProtectionIsOff, "Protection is off: the device takes writes without a passcode."},
};

}  // namespace

const std::span<const StringEntry> kDesktopData{kData};

}  // namespace voltaro::strings
