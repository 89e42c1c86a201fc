// Messages 10000-11036 and the other fixed message texts.
#include "core/platform/string_table.h"

namespace voltaro::strings {
namespace {

const StringEntry kData[] = {
    {10000, "Communication port %s can not be opened."},
    {10001, "Communication port can not be change settings."},
    {11000, "You should input %1!s! within the range of %2!s! - %3!s!."},
    {11002, "Invalid input passcode."},
    {11003,
     "Confirm passcode do not match. The New passcode and Confirm new passcode fields must "
     "both input the same values."},
    {11004, "All parameters matching."},
    {11005, "%1!d! parameter(s) not matching."},
    {11006, "Save error. %1!s!"},
    {11007, "Load error. %1!s!"},
    {11008, "Load error. Invalid file format."},
    {11009, "timeout"},
    {11010, "invalid response"},
    {11011, "crc error"},
    {11012, "receive exception %1!d!"},
    {11013,
     "Modbus command failed. command=%1!s! address=%2!d! size=%3!d! reason=%4!s!."},
    {11014, "Uploading now..."},
    {11015, "Downloading now..."},
    {11016, "    Communication error    "},
    {11017, "Are you sure?"},
    {11018, "Modbus-TCP Error. %1!s!"},
    {11019, "Modbus passcode mismatch!"},
    {11020, "This device is not support Modbus passcode protection feature."},
    {11021, "The settings of a different device cannot be downloaded."},
    {11022, "invalid transaction"},
    {11023, "This device is not supported. (device id=%d, extension id=%d)"},
    {11024, "Communicating"},
    {11025,
     "Communication error. Please check device address, pc communication port setting, cable, "
     "device power.\r\rError Information:\r%s"},
    {11026, "You should input the numerical value to the parameter \"%1!s!\"."},
    {11027, "You should input the integer value to the parameter \"%1!s!\"."},
    {11028,
     "This software is not support to configuration ZBNPQV. these device configuration by "
     "LonWorks tools. ex) LonMaker"},
    {11029, "DIP SW1-8 setting does not match the configurator setting."},
    {11030, "Error input date."},
    {11031, "(Processing now...)"},
    {11033,
     "This software is not support to configuration ZCNPQV. these device configuration by "
     "LonWorks tools. ex) LonMaker"},
    {11034, "Fixed AO"},
    {11035, "You should input %1!s! within %4!s! or the range of %2!s! - %3!s!."},
    {11036,
     "You can communicate confirmation by sending a test value to a host system by using the "
     "loop test.\r\nWhen the equipment running is switched to loop test mode unintentionally, "
     "it can cause unexpected results to the host system.\r\nDo you want to use the loop test "
     "function?"},
    // The message shown when a language module cannot be loaded; the text is fixed,
    // its id is this program's own.
    {kCantLoadLanguageModuleId, "Can't load language module"},
};

}  // namespace

const std::span<const StringEntry> kMessages{kData};

}  // namespace voltaro::strings
