#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "core/platform/message_format.h"
#include "core/platform/message_ids.h"
#include "core/platform/paths.h"
#include "core/platform/resource_module.h"
#include "core/platform/temp_dir.h"

namespace voltaro {
namespace {

const std::string kBin = std::string(VOLTARO_BINARY_DIR) + "/bin/";
const std::string kTestModule = kBin + "test_core_platform_jpn.so";
const std::string kEnglishAreYouSure = "Are you sure?";

class LanguageTest : public ::testing::Test {
  protected:
    void TearDown() override { LoadLanguage(0); }
};

TEST_F(LanguageTest, TableAndLocaleRule) {
    ASSERT_EQ(LanguageTable().size(), 2u);
    EXPECT_STREQ(LanguageTable()[0].name, "English");
    EXPECT_EQ(LanguageTable()[0].moduleSuffix, nullptr);
    EXPECT_STREQ(LanguageTable()[1].name, "Japanese");
    EXPECT_STREQ(LanguageTable()[1].moduleSuffix, "_jpn.so");
    EXPECT_EQ(ResolveLanguageIndex(-1, kLocaleJapanese), 1);
    EXPECT_EQ(ResolveLanguageIndex(-1, kLocaleUserDefault), 0);
    EXPECT_EQ(ResolveLanguageIndex(-1, 0x0409), 0);
    EXPECT_EQ(ResolveLanguageIndex(1, kLocaleUserDefault), 1);
    EXPECT_EQ(ResolveLanguageIndex(7, kLocaleJapanese), 0);  // damaged setting
    EXPECT_EQ(NextLanguage(0), 1);
    EXPECT_EQ(NextLanguage(1), 0);
    EXPECT_EQ(LanguageModulePath(1), ProgramDirectory() + "/test_core_platform_jpn.so");
    EXPECT_EQ(LanguageModulePath(0), "");
}

TEST_F(LanguageTest, JapaneseEnvironmentIsTheFirstNonEmptyVariable) {
    const char* names[] = {"LC_ALL", "LC_MESSAGES", "LANG"};
    std::string saved[3];
    bool had[3];
    for (int i = 0; i < 3; ++i) {
        const char* v = std::getenv(names[i]);
        had[i] = v != nullptr;
        if (v) saved[i] = v;
    }
    ::setenv("LC_ALL", "", 1);
    ::setenv("LC_MESSAGES", "ja_JP.UTF-8", 1);
    ::setenv("LANG", "en_US.UTF-8", 1);
    EXPECT_TRUE(EnvironmentIsJapanese());
    ::setenv("LC_ALL", "C", 1);
    EXPECT_FALSE(EnvironmentIsJapanese());
    ::unsetenv("LC_ALL");
    ::unsetenv("LC_MESSAGES");
    ::setenv("LANG", "ja_JP.eucJP", 1);
    EXPECT_TRUE(EnvironmentIsJapanese());
    for (int i = 0; i < 3; ++i) {
        if (had[i])
            ::setenv(names[i], saved[i].c_str(), 1);
        else
            ::unsetenv(names[i]);
    }
}

TEST_F(LanguageTest, LoadsTheModuleBesideTheProgramAndReturnsToEnglish) {
    ASSERT_TRUE(std::filesystem::exists(kTestModule));
    EXPECT_TRUE(LoadLanguage(1));
    EXPECT_EQ(CurrentLanguage(), 1);
    EXPECT_TRUE(LanguageModuleLoaded());
    EXPECT_EQ(ThreadLocaleId(), kLocaleJapanese);
    EXPECT_EQ(LoadString(kMsgAreYouSure), "よろしいですか?");
    EXPECT_EQ(LoadString(kMsgAllParametersMatch), "All parameters matching.");  // not in the module
    // The module's text takes the range bound before the lower one.
    EXPECT_EQ(FormatMessageId(kMsgOutOfRange, {"機器アドレス", "1", "247"}),
              "機器アドレスには247以下、1以上の値を入力してください。");
    EXPECT_EQ(FormatMessageId(kMsgUnsupportedDevice, {7811, 2}),
              "この機器はサポートされていません。(機器ID=7811, 拡張ID=2)");

    EXPECT_TRUE(LoadLanguage(-1));  // the thread locale is Japanese now
    EXPECT_EQ(CurrentLanguage(), 1);

    EXPECT_TRUE(LoadLanguage(0));
    EXPECT_EQ(CurrentLanguage(), 0);
    EXPECT_FALSE(LanguageModuleLoaded());
    EXPECT_EQ(LoadString(kMsgAreYouSure), kEnglishAreYouSure);
    EXPECT_EQ(ThreadLocaleId(), kLocaleUserDefault);
}

TEST_F(LanguageTest, UnusableModulesFailAndKeepEnglish) {
    test::TempDir dir;
    test::WriteFile(dir.File("not_a_module_jpn.so"), "this is not a shared object");
    const std::string bad[] = {
        dir.File("missing_jpn.so"),
        dir.File("not_a_module_jpn.so"),
        kBin + "voltaro_test_no_table.so",
    };
    for (const std::string& path : bad) {
        ASSERT_TRUE(LoadLanguageModule(kTestModule));
        std::string error;
        EXPECT_FALSE(LoadLanguageModule(path, &error)) << path;
        EXPECT_FALSE(error.empty()) << path;
        EXPECT_FALSE(LanguageModuleLoaded());
        EXPECT_EQ(LoadString(kMsgAreYouSure), kEnglishAreYouSure) << path;
    }
    std::string error;
    EXPECT_FALSE(LoadLanguageModule(kBin + "voltaro_test_no_table.so", &error));
    EXPECT_NE(error.find(kStringTableSymbol), std::string::npos);
}

TEST(StringTableCheck, FindsUnknownIdsAndInsertMismatches) {
    const StringEntry english[] = {
        {1, "plain"}, {2, "%1!s! of %2!d!"}, {3, "%s then %d"}, {4, "100%%"}, {5, "gone"}};
    const StringEntry good[] = {{2, "%2!d! の %1!s!"}, {1, "平文"}, {4, "百%%"}, {3, "%s と %d"}};
    StringTableCheck ok = CheckStringTable(good, english);
    EXPECT_TRUE(ok.Consistent());
    EXPECT_EQ(ok.missingIds, std::vector<int>{5});

    const StringEntry bad[] = {
        {2, "%1!s! of %2!s!"},  // conversion changed
        {3, "%d then %s"},      // plain conversions reordered
        {1, "plain %1!s!"},     // insert added
        {9, "unknown"},        {1, "again"},
    };
    StringTableCheck check = CheckStringTable(bad, english);
    EXPECT_FALSE(check.Consistent());
    EXPECT_EQ(check.insertMismatchIds, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(check.unknownIds, std::vector<int>{9});
    EXPECT_EQ(check.duplicateIds, std::vector<int>{1});
    EXPECT_EQ(check.missingIds, (std::vector<int>{4, 5}));
}

// The test module that the build produced matches the English table (the program's
// Japanese modules are checked with their own tests).
TEST(StringTableCheck, BuiltTestModuleMatchesTheEnglishTable) {
    CResourceModule module;
    std::string error;
    ASSERT_TRUE(module.Open(kTestModule, &error)) << error;
    StringTableCheck check = CheckStringTable(module.Table());
    EXPECT_TRUE(check.unknownIds.empty()) << ::testing::PrintToString(check.unknownIds);
    EXPECT_TRUE(check.duplicateIds.empty()) << ::testing::PrintToString(check.duplicateIds);
    EXPECT_TRUE(check.insertMismatchIds.empty())
        << ::testing::PrintToString(check.insertMismatchIds);
}

}  // namespace
}  // namespace voltaro
