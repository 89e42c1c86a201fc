#include "core/platform/sys_error.h"

#include <netdb.h>

#include <cerrno>
#include <cstring>

#include "core/platform/string_table.h"
#include "core/platform/system_error_ids.h"

namespace voltaro {
namespace {

struct ErrorText {
    int value;
    int textId;
};

// The errno values that files, serial ports and sockets give this program.
constexpr ErrorText kErrnoTexts[] = {
    {ENOENT, kMsgSysNoSuchFile},
    {EACCES, kMsgSysPermissionDenied},
    {EPERM, kMsgSysNotPermitted},
    {EEXIST, kMsgSysFileExists},
    {EISDIR, kMsgSysIsDirectory},
    {ENOTDIR, kMsgSysNotDirectory},
    {ENOSPC, kMsgSysNoSpace},
    {EROFS, kMsgSysReadOnly},
    {EIO, kMsgSysInputOutput},
    {EMFILE, kMsgSysTooManyOpen},
    {ENFILE, kMsgSysTooManyOpenInSystem},
    {ENAMETOOLONG, kMsgSysNameTooLong},
    {ELOOP, kMsgSysLinkLoop},
    {EDQUOT, kMsgSysQuotaExceeded},
    {EFBIG, kMsgSysFileTooBig},
    {EBUSY, kMsgSysBusy},
    {ENODEV, kMsgSysNoDevice},
    {ENXIO, kMsgSysNoDeviceOrAddress},
    {ENOTTY, kMsgSysNotATerminal},
    {EAGAIN, kMsgSysTryAgain},
    {EINTR, kMsgSysInterrupted},
    {ECONNREFUSED, kMsgSysConnectionRefused},
    {ETIMEDOUT, kMsgSysTimedOut},
    {EHOSTUNREACH, kMsgSysHostUnreachable},
    {ENETUNREACH, kMsgSysNetworkUnreachable},
    {ECONNRESET, kMsgSysConnectionReset},
    {EPIPE, kMsgSysBrokenPipe},
    {EADDRNOTAVAIL, kMsgSysAddressNotAvailable},
    {ENETDOWN, kMsgSysNetworkDown},
    {ECONNABORTED, kMsgSysConnectionAborted},
    {EHOSTDOWN, kMsgSysHostDown},
    {EINVAL, kMsgSysInvalidArgument},
    {ENOMEM, kMsgSysOutOfMemory},
    {EXDEV, kMsgSysCrossDevice},
    {ETXTBSY, kMsgSysTextBusy},
};

constexpr ErrorText kResolverTexts[] = {
    {EAI_NONAME, kMsgResolverNameUnknown}, {EAI_AGAIN, kMsgResolverNameTryAgain},
    {EAI_FAIL, kMsgResolverNameFailed},    {EAI_SERVICE, kMsgResolverServiceUnsupported},
    {EAI_NODATA, kMsgResolverNoAddress},   {EAI_FAMILY, kMsgResolverFamilyUnsupported},
};

// The string-table text of value, or 0 when the table has none.
template <std::size_t N>
int TextIdOf(const ErrorText (&table)[N], int value) {
    for (const ErrorText& entry : table) {
        if (entry.value == value) return entry.textId;
    }
    return 0;
}

}  // namespace

std::string SystemErrorText(int errnoValue) {
    if (const int id = TextIdOf(kErrnoTexts, errnoValue)) return LoadString(id);
    char buffer[256];
    buffer[0] = '\0';
    // GNU strerror_r returns a pointer that may or may not be the buffer.
    const char* text = strerror_r(errnoValue, buffer, sizeof buffer);
    return text ? std::string(text) : std::string();
}

std::string ResolverErrorText(int gaiError) {
    if (const int id = TextIdOf(kResolverTexts, gaiError)) return LoadString(id);
    const char* text = gai_strerror(gaiError);
    return text ? std::string(text) : std::string();
}

}  // namespace voltaro
