// A configuration export is the same byte for byte with the Japanese module loaded as in
// English: keys, names and value texts never follow the display language.
#include <gtest/gtest.h>

#include "core/files/config_diff.h"
#include "core/files/config_text.h"
#include "core/model/parameter_words.h"
#include "core/model/settings_stocker.h"
#include "core/platform/resource_module.h"

namespace voltaro {
namespace {

TEST(ConfigExportLanguage, JapaneseUsersExportWhatEnglishUsersExport) {
    ParameterImage image = DefaultImageOfRow(4);
    image.words[kWordSystem] = 1;
    const std::string json = ExportConfigJson(image);
    const std::string text = ExportConfigText(image);
    const std::string englishGroup = image.GroupName(kWordSystem);

    ASSERT_TRUE(LoadLanguageModule(std::string(VOLTARO_BINARY_DIR) + "/bin/voltaro-cli_jpn.so"));
    const std::string japaneseGroup = image.GroupName(kWordSystem);
    const std::string jsonJa = ExportConfigJson(image);
    const std::string textJa = ExportConfigText(image);
    const ConfigDiff diff = DiffConfigs(DefaultImageOfRow(4), image);
    UnloadLanguageModule();

    EXPECT_NE(japaneseGroup, englishGroup);  // the module was in use
    EXPECT_EQ(jsonJa, json);
    EXPECT_EQ(textJa, text);
    // The diff people read follows the language; its keys do not.
    ASSERT_EQ(diff.rows.size(), 1u);
    EXPECT_EQ(diff.rows[0].group, japaneseGroup);
    EXPECT_EQ(diff.rows[0].key, ConfigKey(kWordSystem));
}

}  // namespace
}  // namespace voltaro
