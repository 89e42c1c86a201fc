// The remembered passcode: scrambling, the profile key and the prompt's decisions.
#include "core/device/passcode_store.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "core/platform/profile.h"
#include "core/platform/temp_dir.h"  // tests/core/platform

namespace voltaro {
namespace {

TEST(PasscodeStore, ScramblingIsReversibleAndHidesTheValue) {
    for (uint32_t code : {0u, 1u, 2u, 1234u, 500000000u, 999999998u, 999999999u}) {
        int32_t stored = ScramblePasscode(code);
        EXPECT_GT(stored, 0) << code;
        EXPECT_NE(static_cast<int64_t>(stored), static_cast<int64_t>(code) + 1000000000) << code;
        ASSERT_TRUE(UnscramblePasscode(stored).has_value()) << code;
        EXPECT_EQ(*UnscramblePasscode(stored), code);
    }
    EXPECT_NE(ScramblePasscode(1), ScramblePasscode(2));
    EXPECT_FALSE(UnscramblePasscode(-1));
    EXPECT_FALSE(UnscramblePasscode(0));
    EXPECT_FALSE(UnscramblePasscode(2147483647));
    // Most numbers are no scrambled passcode at all: a hand-edited value is ignored.
    int accepted = 0;
    for (int32_t v = 1; v < 2000; ++v)
        accepted += UnscramblePasscode(v).has_value();
    EXPECT_LT(accepted, 1500);
}

TEST(PasscodeStore, ProfileKeyAndOwnerOnlyFile) {
    test::TempDir dir;
    std::string path = dir.File("profile.ini");
    {
        CUserProfile profile(path);
        EXPECT_FALSE(LoadRememberedPasscode(profile));
        StoreRememberedPasscode(profile, 4711u);
        ASSERT_TRUE(profile.Save());
    }
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    std::string text = test::ReadFile(path);
    EXPECT_NE(text.find("[Settings]"), std::string::npos);
    EXPECT_NE(text.find("Passcode=" + std::to_string(ScramblePasscode(4711))), std::string::npos);
    EXPECT_EQ(text.find("1000004711"), std::string::npos);

    CUserProfile reread(path);
    EXPECT_EQ(LoadRememberedPasscode(reread), 4711u);
    StoreRememberedPasscode(reread, std::nullopt);
    EXPECT_EQ(reread.GetInt("Settings", "Passcode", 0), -1);
}

TEST(PasscodeStore, PromptUsesTheRememberedPasscodeWithoutTyping) {
    test::TempDir dir;
    CUserProfile profile(dir.File("p.ini"));
    StoreRememberedPasscode(profile, 123456u);
    ASSERT_TRUE(profile.Save());
    CEnterPasscodeModel model(profile);
    EXPECT_TRUE(model.SaveChecked());
    EXPECT_EQ(model.FieldText(), "xxxxxxxxxxxx");
    EXPECT_EQ(model.Accept(false, model.FieldText(), true), 123456u);
    EXPECT_EQ(LoadRememberedPasscode(CUserProfile(dir.File("p.ini"))), 123456u);
}

TEST(PasscodeStore, UncheckingForgetsEvenWithoutTyping) {
    test::TempDir dir;
    CUserProfile profile(dir.File("p.ini"));
    StoreRememberedPasscode(profile, 99u);
    ASSERT_TRUE(profile.Save());
    CEnterPasscodeModel model(profile);
    EXPECT_EQ(model.Accept(false, model.FieldText(), false), 99u);
    EXPECT_FALSE(LoadRememberedPasscode(CUserProfile(dir.File("p.ini"))));
}

TEST(PasscodeStore, TypedPasscodeIsRememberedWhenChecked) {
    test::TempDir dir;
    CUserProfile profile(dir.File("p.ini"));
    CEnterPasscodeModel model(profile);
    EXPECT_FALSE(model.SaveChecked());
    EXPECT_EQ(model.FieldText(), "");
    EXPECT_EQ(model.Accept(true, "0x10", true), 16u);
    EXPECT_EQ(LoadRememberedPasscode(CUserProfile(dir.File("p.ini"))), 16u);
}

TEST(PasscodeStore, FieldParsing) {
    EXPECT_EQ(CEnterPasscodeModel::ParseField("999999999"), 999999999u);
    EXPECT_EQ(CEnterPasscodeModel::ParseField("010"), 8u);  // automatic base
    EXPECT_EQ(CEnterPasscodeModel::ParseField("12abc"), 0u);
    EXPECT_EQ(CEnterPasscodeModel::ParseField("1000000000"), 0u);
    EXPECT_EQ(CEnterPasscodeModel::ParseField("-5"), 0u);
    EXPECT_EQ(CEnterPasscodeModel::ParseField("99999999999999999999999"), 0u);
}

}  // namespace
}  // namespace voltaro
