#include <gtest/gtest.h>
#include <netdb.h>

#include <cerrno>

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

}  // namespace
}  // namespace voltaro
