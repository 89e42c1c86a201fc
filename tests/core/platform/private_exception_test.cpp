#include "core/platform/private_exception.h"

#include <cerrno>
#include <type_traits>

#include <gtest/gtest.h>

#include "core/platform/cancelled.h"
#include "core/platform/message_ids.h"

namespace voltaro {
namespace {

// A handler that reports failures must never receive the user's Cancel.
static_assert(!std::is_base_of_v<CPrivateException, CCancelled>);
static_assert(!std::is_base_of_v<CCancelled, CPrivateException>);

TEST(PrivateException, BuildsItsTextThreeWays) {
    EXPECT_EQ(CPrivateException("as given").Message(), "as given");
    EXPECT_EQ(CPrivateException(kMsgPasscodeMismatch).Message(), "Modbus passcode mismatch!");
    CPrivateException withSystem(kMsgSaveError, ENOENT);
    EXPECT_EQ(withSystem.Message(), "Save error. No such file or directory");
}

TEST(PrivateException, GetErrorMessageTruncatesAndTerminates) {
    CPrivateException e("abcdef");
    char one[1] = {'x'};
    EXPECT_TRUE(e.GetErrorMessage(one, 1));
    EXPECT_EQ(one[0], '\0');
    char four[4];
    EXPECT_TRUE(e.GetErrorMessage(four, sizeof four));
    EXPECT_STREQ(four, "abc");
}

}  // namespace
}  // namespace voltaro
