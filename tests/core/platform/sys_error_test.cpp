#include <gtest/gtest.h>
#include <netdb.h>

#include <cerrno>
#include <cstring>

#include "core/platform/sys_error.h"

namespace voltaro {
namespace {

TEST(SysError, TextsOfErrnoAndResolverErrors) {
    EXPECT_EQ(SystemErrorText(ENOENT), "No such file or directory");
    EXPECT_EQ(SystemErrorText(ECONNREFUSED), "Connection refused");
    EXPECT_FALSE(SystemErrorText(123456).empty());  // unknown values still give a text
    EXPECT_EQ(ResolverErrorText(EAI_NONAME), gai_strerror(EAI_NONAME));
    EXPECT_NE(ResolverErrorText(EAI_NONAME), ResolverErrorText(EAI_AGAIN));
    EXPECT_FALSE(ResolverErrorText(EAI_AGAIN).empty());
}

TEST(SysError, EnglishTextsAreTheSystemsOwn) {
    // The string table carries the texts so that other languages can translate them; in
    // English they read as the system says them.
    for (int value : {ENOENT,      EACCES,     EPERM,  EEXIST,        EISDIR,    ENOTDIR,
                      ENOSPC,      EROFS,      EIO,    EMFILE,        ENFILE,    ENAMETOOLONG,
                      ELOOP,       EDQUOT,     EFBIG,  EBUSY,         ENODEV,    ENXIO,
                      ENOTTY,      EAGAIN,     EINTR,  ECONNREFUSED,  ETIMEDOUT, EHOSTUNREACH,
                      ENETUNREACH, ECONNRESET, EPIPE,  EADDRNOTAVAIL, ENETDOWN,  ECONNABORTED,
                      EHOSTDOWN,   EINVAL,     ENOMEM, EXDEV,         ETXTBSY}) {
        EXPECT_EQ(SystemErrorText(value), std::strerror(value)) << value;
    }
    for (int value : {EAI_NONAME, EAI_AGAIN, EAI_FAIL, EAI_SERVICE, EAI_NODATA, EAI_FAMILY})
        EXPECT_EQ(ResolverErrorText(value), gai_strerror(value)) << value;
}

}  // namespace
}  // namespace voltaro
