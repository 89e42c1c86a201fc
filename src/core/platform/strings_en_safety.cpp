// Messages about damaged or unusual files and settings, device locking and partly
// written devices (ids 30400 and up, named in message_ids.h).
#include "core/platform/message_ids.h"
#include "core/platform/string_table.h"

namespace voltaro::strings {
namespace {

const StringEntry kData[] = {
    {kMsgNotRegularFile, "%1!s! is not a regular file."},
    {kMsgFileTooLarge,
     "%1!s! is larger than %2!s! bytes: it cannot be one of this program's files."},
    {kMsgProfileUnreadable,
     "The settings file %1!s! cannot be read (%2!s!). The default settings are used, and the "
     "file is left as it is."},
    {kMsgProfileValueInvalid,
     "The setting %1!s!=%2!s! in %3!s! is invalid (%4!s!). The default %5!s! is used."},
    {kMsgPortOutOfRange, "The port %1!s! is outside 1 - 65535."},
    {kMsgRelockFailed,
     "The device could not be locked again: the device may still accept writes: run protect or "
     "download again.\r\rError Information:\r%1!s!"},
    {kMsgProtectStateUnknown,
     "The device was unlocked, but the new passcode may not have been set and the device may "
     "still accept writes: run protect again with the current passcode.\r\rError "
     "Information:\r%1!s!"},
    {kMsgProtectNotRelocked,
     "The new passcode was set, but the device could not be locked again: it may still accept "
     "writes: run protect again with the new passcode.\r\rError Information:\r%1!s!"},
    {kMsgParameterNotAllowed,
     "Load error. %1!s! - %2!s! (register %3!d!) holds %4!s!; allowed: %5!s!."},
    {kMsgValueDoesNotFit, "Load error. %1!s!=%2!s! does not fit its register (%3!s! - %4!s!)."},
    {kMsgUnknownDeviceType, "Load error. Model=%1!s! is no device of this program's catalogue."},
    {kMsgPartlyWritten,
     "The device is now partly written: register %1!d! (%2!s!) and the blocks after it were "
     "not written. Download again.\r\rError Information:\r%3!s!"},
    {kMsgDeviceRefused,
     "The device refused the request: it does not take a value or register that was sent. "
     "Check the values of the parameters of that register.\r\rError Information:\r%1!s!"},
    {kMsgDeviceInUseWaiting, "Another program is using %1!s!; waiting until it has finished..."},
    {kMsgDeviceInUse,
     "%1!s! is still in use by another program of this system. Try again when it has "
     "finished."},
    {kMsgNoPortChosen, "No communication port is chosen: choose one in the Connect settings."},
    {kMsgPortGone, "Communication port %1!s! can not be used any more (%2!s!)."},
    {kMsgOutputWriteError, "The output could not be written: %1!s!"},
    {kMsgProfileAddressRange, "a device address is 1 to 247"},
    {kMsgNoDeviceTypeRow,
     "Load error. Model=%1!s!, DeviceExtension=%2!s!, DeviceVersion=%3!s! and the DeviceIO "
     "values are no device type of this program's catalogue."},
};

}  // namespace

const std::span<const StringEntry> kSafety{kData};

}  // namespace voltaro::strings
