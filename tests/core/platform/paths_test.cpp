// Where the programs look for and publish virtual ports, and when such a folder is trusted.
#include "core/platform/paths.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "core/platform/temp_dir.h"
#include "support/scoped_env.h"

namespace voltaro {
namespace {

using test::ScopedEnv;
using test::TempDir;

TEST(VirtualPortDirectory, FollowsAnAbsoluteRuntimeDirElseOneFolderPerUserInTmp) {
    {
        ScopedEnv runtime("XDG_RUNTIME_DIR", "/run/user/1000");
        EXPECT_EQ(VirtualPortDirectory(), "/run/user/1000/voltaro-ports");
    }
    const std::string perUser = "/tmp/voltaro-ports-" + std::to_string(::geteuid());
    for (const char* value : {static_cast<const char*>(nullptr), "", "run/user", "./x"}) {
        ScopedEnv runtime("XDG_RUNTIME_DIR", value);
        EXPECT_EQ(VirtualPortDirectory(), perUser) << (value ? value : "(unset)");
    }
}

TEST(IsPrivateDirectory, OnlyAFolderOfTheUserThatNoOneElseMayWriteTo) {
    TempDir dir;
    EXPECT_TRUE(IsPrivateDirectory(dir.Path()));
    const std::string folder = dir.File("ports");
    ASSERT_EQ(::mkdir(folder.c_str(), 0755), 0);
    EXPECT_TRUE(IsPrivateDirectory(folder));  // others may read the links, not add them
    for (mode_t writable : {0775, 0757, 01777}) {
        ASSERT_EQ(::chmod(folder.c_str(), writable), 0);
        EXPECT_FALSE(IsPrivateDirectory(folder)) << std::oct << writable;
    }
    ASSERT_EQ(::chmod(folder.c_str(), 0700), 0);
    const std::string link = dir.File("link");
    ASSERT_EQ(::symlink(folder.c_str(), link.c_str()), 0);
    EXPECT_FALSE(IsPrivateDirectory(link));
    test::WriteFile(dir.File("file"), "x");
    EXPECT_FALSE(IsPrivateDirectory(dir.File("file")));
    EXPECT_FALSE(IsPrivateDirectory(dir.File("missing")));
    // Only root can give a folder away; as any other user the check above suffices.
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(folder.c_str(), 65534, 65534), 0);
        EXPECT_FALSE(IsPrivateDirectory(folder));
    }
}

}  // namespace
}  // namespace voltaro
