#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>

#include "core/platform/profile.h"
#include "core/platform/temp_dir.h"
#include "support/scoped_env.h"

namespace voltaro {
namespace {

using test::ReadFile;
using test::ScopedEnv;
using test::TempDir;

TEST(UserProfile, DefaultPathFollowsTheEnvironment) {
    ScopedEnv profile("VOLTARO_PROFILE", nullptr);
    ScopedEnv home("HOME", "/home/someone");
    {
        ScopedEnv config("XDG_CONFIG_HOME", "/cfg");
        EXPECT_EQ(CUserProfile::DefaultPath(), "/cfg/Orvanta/VOLTARO.ini");
    }
    {
        ScopedEnv config("XDG_CONFIG_HOME", nullptr);
        EXPECT_EQ(CUserProfile::DefaultPath(), "/home/someone/.config/Orvanta/VOLTARO.ini");
    }
    ScopedEnv explicitPath("VOLTARO_PROFILE", "/x/mine.ini");
    EXPECT_EQ(CUserProfile::DefaultPath(), "/x/mine.ini");
}

TEST(UserProfile, CreatesPrivateDirectoryAndFileAndReadsBack) {
    TempDir dir;
    std::string path = dir.File("config/Orvanta/VOLTARO.ini");
    {
        CUserProfile profile(path);
        EXPECT_EQ(profile.GetInt("Settings", "DisplayLanguage", -1), -1);
        EXPECT_EQ(profile.GetString("ComSettings", "ServicePort", "502"), "502");
        profile.SetInt("Settings", "DeviceId", 4);
        profile.SetString("ComSettings", "ServerAddress", "10.0.0.1");
        ASSERT_TRUE(profile.Save());
    }
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0600u);
    ASSERT_EQ(::stat(dir.File("config/Orvanta").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0700u);
    EXPECT_EQ(ReadFile(path),
              "[Settings]\r\nDeviceId=4\r\n[ComSettings]\r\nServerAddress=10.0.0.1\r\n");

    CUserProfile again(path);
    EXPECT_EQ(again.GetInt("settings", "deviceid", 0), 4);
    EXPECT_EQ(again.GetString("ComSettings", "ServerAddress", ""), "10.0.0.1");
}

TEST(UserProfile, InvalidIntegersGiveTheDefault) {
    TempDir dir;
    test::WriteFile(dir.File("p.ini"), "[Settings]\nDeviceId=abc\nDisplayLanguage=99999999999\n");
    CUserProfile profile(dir.File("p.ini"));
    EXPECT_EQ(profile.GetInt("Settings", "DeviceId", 0), 0);
    EXPECT_EQ(profile.GetInt("Settings", "DisplayLanguage", -1), -1);
}

}  // namespace
}  // namespace voltaro
