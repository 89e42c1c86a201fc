#pragma once
// Text ids of the system error descriptions (errno values kMsgSys..., resolver errors
// kMsgResolver...) that the program can show inside its messages; sys_error.cpp maps the
// values to them. Kept apart from message_ids.h: they are inserts of messages, not messages.

namespace voltaro {
constexpr int kMsgSysNoSuchFile = 30340;               // ENOENT
constexpr int kMsgSysPermissionDenied = 30341;         // EACCES
constexpr int kMsgSysNotPermitted = 30342;             // EPERM
constexpr int kMsgSysFileExists = 30343;               // EEXIST
constexpr int kMsgSysIsDirectory = 30344;              // EISDIR
constexpr int kMsgSysNotDirectory = 30345;             // ENOTDIR
constexpr int kMsgSysNoSpace = 30346;                  // ENOSPC
constexpr int kMsgSysReadOnly = 30347;                 // EROFS
constexpr int kMsgSysInputOutput = 30348;              // EIO
constexpr int kMsgSysTooManyOpen = 30349;              // EMFILE
constexpr int kMsgSysTooManyOpenInSystem = 30350;      // ENFILE
constexpr int kMsgSysNameTooLong = 30351;              // ENAMETOOLONG
constexpr int kMsgSysLinkLoop = 30352;                 // ELOOP
constexpr int kMsgSysQuotaExceeded = 30353;            // EDQUOT
constexpr int kMsgSysFileTooBig = 30354;               // EFBIG
constexpr int kMsgSysBusy = 30355;                     // EBUSY
constexpr int kMsgSysNoDevice = 30356;                 // ENODEV
constexpr int kMsgSysNoDeviceOrAddress = 30357;        // ENXIO
constexpr int kMsgSysNotATerminal = 30358;             // ENOTTY
constexpr int kMsgSysTryAgain = 30359;                 // EAGAIN
constexpr int kMsgSysInterrupted = 30360;              // EINTR
constexpr int kMsgSysConnectionRefused = 30361;        // ECONNREFUSED
constexpr int kMsgSysTimedOut = 30362;                 // ETIMEDOUT
constexpr int kMsgSysHostUnreachable = 30363;          // EHOSTUNREACH
constexpr int kMsgSysNetworkUnreachable = 30364;       // ENETUNREACH
constexpr int kMsgSysConnectionReset = 30365;          // ECONNRESET
constexpr int kMsgSysBrokenPipe = 30366;               // EPIPE
constexpr int kMsgSysAddressNotAvailable = 30367;      // EADDRNOTAVAIL
constexpr int kMsgSysNetworkDown = 30368;              // ENETDOWN
constexpr int kMsgSysConnectionAborted = 30369;        // ECONNABORTED
constexpr int kMsgSysHostDown = 30370;                 // EHOSTDOWN
constexpr int kMsgSysInvalidArgument = 30371;          // EINVAL
constexpr int kMsgSysOutOfMemory = 30372;              // ENOMEM
constexpr int kMsgSysCrossDevice = 30373;              // EXDEV
constexpr int kMsgSysTextBusy = 30374;                 // ETXTBSY
constexpr int kMsgResolverNameUnknown = 30375;         // EAI_NONAME
constexpr int kMsgResolverNameTryAgain = 30376;        // EAI_AGAIN
constexpr int kMsgResolverNameFailed = 30377;          // EAI_FAIL
constexpr int kMsgResolverServiceUnsupported = 30378;  // EAI_SERVICE
constexpr int kMsgResolverNoAddress = 30379;           // EAI_NODATA
constexpr int kMsgResolverFamilyUnsupported = 30380;   // EAI_FAMILY

}  // namespace voltaro
