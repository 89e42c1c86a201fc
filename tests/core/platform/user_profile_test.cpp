#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>

#include "core/platform/file_io.h"
#include "core/platform/profile.h"
#include "core/platform/temp_dir.h"
#include "core/platform/user_notice.h"
#include "support/scoped_env.h"
#include "support/unprivileged.h"

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

mode_t ModeOf(const std::string& path) {
    struct stat st {};
    EXPECT_EQ(::stat(path.c_str(), &st), 0) << path;
    return st.st_mode & 07777;
}

// An older version saved the profile, with its scrambled passcode, readable by everyone.
TEST(UserProfile, AnOpenProfileOfTheUserBecomesPrivateOnSave) {
    TempDir dir;
    const std::string old = dir.File("old.ini");
    test::WriteFile(old, "[Settings]\r\nPasscode=xyz\r\n[Other]\r\nKept=1\r\n");
    ::chmod(old.c_str(), 0664);
    {
        CUserProfile profile(old);
        profile.SetInt("Settings", "DeviceId", 3);
        ASSERT_TRUE(profile.Save());
    }
    EXPECT_EQ(ModeOf(old), 0600u);
    EXPECT_EQ(ReadFile(old), "[Settings]\r\nPasscode=xyz\r\nDeviceId=3\r\n[Other]\r\nKept=1\r\n");

    // Through a link, the file saved is the one tightened; the user's own bits stay.
    const std::string target = dir.File("target.ini");
    test::WriteFile(target, "[Settings]\r\n");
    ::chmod(target.c_str(), 0744);
    const std::string link = dir.File("link.ini");
    ASSERT_EQ(::symlink(target.c_str(), link.c_str()), 0);
    {
        CUserProfile profile(link);
        profile.SetInt("Settings", "DeviceId", 1);
        ASSERT_TRUE(profile.Save());
    }
    EXPECT_EQ(ModeOf(target), 0700u);

    // A file of another user keeps its mode: only its owner decides who may read it.
    if (!test::RunningAsRoot()) return;
    const std::string shared = dir.File("shared.ini");
    test::WriteFile(shared, "[Settings]\r\n");
    ::chmod(shared.c_str(), 0666);
    ::chmod(dir.Path().c_str(), 0777);
    EXPECT_EQ(test::AsPlainUser([&]() -> std::string {
                  CUserProfile profile(shared);
                  profile.SetInt("Settings", "DeviceId", 2);
                  return profile.Save() ? "" : "the shared profile was not saved";
              }),
              "");
    EXPECT_EQ(ModeOf(shared), 0666u);
    EXPECT_EQ(ReadFile(shared), "[Settings]\r\nDeviceId=2\r\n");
}

TEST(UserProfile, InvalidIntegersGiveTheDefault) {
    TempDir dir;
    test::WriteFile(dir.File("p.ini"), "[Settings]\nDeviceId=abc\nDisplayLanguage=99999999999\n");
    CUserProfile profile(dir.File("p.ini"));
    EXPECT_EQ(profile.GetInt("Settings", "DeviceId", 0), 0);
    EXPECT_EQ(profile.GetInt("Settings", "DisplayLanguage", -1), -1);
}

// Collects the notices told while it lives.
class ToldNotices {
  public:
    ToldNotices() {
        ForgetToldNotices();
        previous_ = SetNoticeHandler([this](const std::string& text) { texts.push_back(text); });
    }
    ~ToldNotices() { SetNoticeHandler(previous_); }
    std::vector<std::string> texts;

  private:
    NoticeHandler previous_;
};

TEST(UserProfile, AProfileThatCannotBeReadIsToldOnceAndNeverWritten) {
    TempDir dir;
    // Too large to be a profile: read by nobody, also not by root.
    const std::string big = dir.File("big.ini");
    const std::string content =
        "[Settings]\r\nDeviceId=4\r\n" + std::string(kMaxSettingsFileBytes, ';');
    test::WriteFile(big, content);
    ToldNotices told;
    for (int run = 0; run < 2; ++run) {
        CUserProfile profile(big);
        EXPECT_EQ(profile.LoadStatus().error, FileError::TooLarge);
        EXPECT_EQ(profile.GetInt("Settings", "DeviceId", 0), 0);  // the default
        profile.SetInt("ComSettings", "Address", 5);
        EXPECT_FALSE(profile.Save());
    }
    EXPECT_EQ(ReadFile(big), content);
    ASSERT_EQ(told.texts.size(), 1u);
    EXPECT_EQ(told.texts[0].rfind("The settings file " + big + " cannot be read (", 0), 0u)
        << told.texts[0];

    // No permission to read (mode 000): the user's other settings survive a save.
    const std::string locked = dir.File("locked.ini");
    test::WriteFile(locked, "[Settings]\r\nDeviceId=4\r\n[Other]\r\nKept=1\r\n");
    ::chmod(locked.c_str(), 0);
    test::GiveToPlainUser(dir.Path());
    EXPECT_EQ(test::AsPlainUser([&]() -> std::string {
                  CUserProfile profile(locked);
                  if (profile.LoadStatus().systemError != EACCES) return "the profile was read";
                  profile.SetInt("Settings", "DeviceId", 7);
                  if (profile.Save()) return "an unreadable profile was written";
                  return {};
              }),
              "");
    ::chmod(locked.c_str(), 0600);
    EXPECT_EQ(ReadFile(locked), "[Settings]\r\nDeviceId=4\r\n[Other]\r\nKept=1\r\n");
}

}  // namespace
}  // namespace voltaro
