// The message texts (their ids are named in message_ids.h).
#include "core/platform/message_ids.h"
#include "core/platform/string_table.h"

namespace voltaro::strings {
namespace {

const StringEntry kData[] = {
    {kMsgPortCannotOpen, "Communication port %s can not be opened."},
    {kMsgPortSettingsFailed, "Communication port can not be change settings."},
    {kMsgOutOfRange, "You should input %1!s! within the range of %2!s! - %3!s!."},
    {kMsgInvalidPasscode, "Invalid input passcode."},
    {kMsgPasscodeConfirmMismatch,
     "Confirm passcode do not match. The New passcode and Confirm new passcode fields must "
     "both input the same values."},
    {kMsgAllParametersMatch, "All parameters matching."},
    {kMsgParametersNotMatching, "%1!d! parameter(s) not matching."},
    {kMsgSaveError, "Save error. %1!s!"},
    {kMsgLoadError, "Load error. %1!s!"},
    {kMsgInvalidFileFormat, "Load error. Invalid file format."},
    {kMsgTimeout, "timeout"},
    {kMsgInvalidResponse, "invalid response"},
    {kMsgCrcError, "crc error"},
    {kMsgReceiveException, "receive exception %1!d!"},
    {kMsgModbusCommandFailed,
     "Modbus command failed. command=%1!s! address=%2!d! size=%3!d! reason=%4!s!."},
    {kMsgUploadingNow, "Uploading now..."},
    {kMsgDownloadingNow, "Downloading now..."},
    {kMsgMonitorCommunicationError, "    Communication error    "},
    {kMsgAreYouSure, "Are you sure?"},
    {kMsgModbusTcpError, "Modbus-TCP Error. %1!s!"},
    {kMsgPasscodeMismatch, "Modbus passcode mismatch!"},
    {kMsgNoProtectionFeature, "This device is not support Modbus passcode protection feature."},
    {kMsgDifferentDevice, "The settings of a different device cannot be downloaded."},
    {kMsgInvalidTransaction, "invalid transaction"},
    {kMsgUnsupportedDevice, "This device is not supported. (device id=%d, extension id=%d)"},
    {kMsgCommunicating, "Communicating"},
    {kMsgCommunicationError,
     "Communication error. Please check device address, pc communication port setting, cable, "
     "device power.\r\rError Information:\r%s"},
    {kMsgNotNumber, "You should input the numerical value to the parameter \"%1!s!\"."},
    {kMsgNotInteger, "You should input the integer value to the parameter \"%1!s!\"."},
    {kMsgZbLonWorksOnly,
     "This software is not support to configuration ZBNPQV. these device configuration by "
     "LonWorks tools. ex) LonMaker"},
    {kMsgDipSwitchMismatch, "DIP SW1-8 setting does not match the configurator setting."},
    {kMsgInvalidDate, "Error input date."},
    {kMsgProcessingNow, "(Processing now...)"},
    {kMsgZcLonWorksOnly,
     "This software is not support to configuration ZCNPQV. these device configuration by "
     "LonWorks tools. ex) LonMaker"},
    {kMsgFixedAo, "Fixed AO"},
    {kMsgOutOfRangeOrExtra, "You should input %1!s! within %4!s! or the range of %2!s! - %3!s!."},
    {kMsgLoopTestWarning,
     "You can communicate confirmation by sending a test value to a host system by using the "
     "loop test.\r\nWhen the equipment running is switched to loop test mode unintentionally, "
     "it can cause unexpected results to the host system.\r\nDo you want to use the loop test "
     "function?"},
    // The message shown when a language module cannot be loaded; the text is fixed,
    // its id is this program's own.
    {kMsgCantLoadLanguageModule, "Can't load language module"},
};

}  // namespace

const std::span<const StringEntry> kMessages{kData};

}  // namespace voltaro::strings
