// System error texts: the descriptions of the errno values and resolver errors that the
// program can show (their ids named in system_error_ids.h).
#include "core/platform/string_table.h"
#include "core/platform/sys_error.h"
#include "core/platform/system_error_ids.h"

namespace voltaro::strings {
namespace {

const StringEntry kData[] = {
    {kMsgSysNoSuchFile, "No such file or directory"},
    {kMsgSysPermissionDenied, "Permission denied"},
    {kMsgSysNotPermitted, "Operation not permitted"},
    {kMsgSysFileExists, "File exists"},
    {kMsgSysIsDirectory, "Is a directory"},
    {kMsgSysNotDirectory, "Not a directory"},
    {kMsgSysNoSpace, "No space left on device"},
    {kMsgSysReadOnly, "Read-only file system"},
    {kMsgSysInputOutput, "Input/output error"},
    {kMsgSysTooManyOpen, "Too many open files"},
    {kMsgSysTooManyOpenInSystem, "Too many open files in system"},
    {kMsgSysNameTooLong, "File name too long"},
    {kMsgSysLinkLoop, "Too many levels of symbolic links"},
    {kMsgSysQuotaExceeded, "Disk quota exceeded"},
    {kMsgSysFileTooBig, "File too large"},
    {kMsgSysBusy, "Device or resource busy"},
    {kMsgSysNoDevice, "No such device"},
    {kMsgSysNoDeviceOrAddress, "No such device or address"},
    {kMsgSysNotATerminal, "Inappropriate ioctl for device"},
    {kMsgSysTryAgain, "Resource temporarily unavailable"},
    {kMsgSysInterrupted, "Interrupted system call"},
    {kMsgSysConnectionRefused, "Connection refused"},
    {kMsgSysTimedOut, "Connection timed out"},
    {kMsgSysHostUnreachable, "No route to host"},
    {kMsgSysNetworkUnreachable, "Network is unreachable"},
    {kMsgSysConnectionReset, "Connection reset by peer"},
    {kMsgSysBrokenPipe, "Broken pipe"},
    {kMsgSysAddressNotAvailable, "Cannot assign requested address"},
    {kMsgSysNetworkDown, "Network is down"},
    {kMsgSysConnectionAborted, "Software caused connection abort"},
    {kMsgSysHostDown, "Host is down"},
    {kMsgSysInvalidArgument, "Invalid argument"},
    {kMsgSysOutOfMemory, "Cannot allocate memory"},
    {kMsgSysCrossDevice, "Invalid cross-device link"},
    {kMsgSysTextBusy, "Text file busy"},
    {kMsgResolverNameUnknown, "Name or service not known"},
    {kMsgResolverNameTryAgain, "Temporary failure in name resolution"},
    {kMsgResolverNameFailed, "Non-recoverable failure in name resolution"},
    {kMsgResolverServiceUnsupported, "Servname not supported for ai_socktype"},
    {kMsgResolverNoAddress, "No address associated with hostname"},
    {kMsgResolverFamilyUnsupported, "ai_family not supported"},
};

}  // namespace

const std::span<const StringEntry> kSystemErrors{kData};

}  // namespace voltaro::strings
