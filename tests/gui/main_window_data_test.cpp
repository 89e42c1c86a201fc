// The main window keeps the data it was given: a wiring system that the type's list leaves
// out survives an unchanged round trip, and a file that the core refuses (unknown model,
// a value its parameter may not hold) is refused with the core's message, the window's
// image unchanged.
#include <gtest/gtest.h>
#include <QComboBox>

#include "core/app/main_window_ids.h"
#include "core/files/config_file.h"
#include "core/model/parameter_blocks.h"
#include "core/model/parameter_check.h"
#include "core/model/parameter_words.h"
#include "core/platform/message_format.h"
#include "core/platform/message_ids.h"
#include "core/platform/profile.h"
#include "core/platform/string_table.h"
#include "gui/app/main_window.h"
#include "gui_driver.h"

namespace voltaro {
namespace {

using test::ChooseFile;
using test::MessageBoxRecorder;

constexpr int kRowKt2 = 4;
constexpr int kRowZc = 64;  // ZC with the extension module: four wiring systems offered

class MainWindowDataTest : public ::testing::Test {
  protected:
    MainWindowDataTest() : carry_(DefaultImageOfRow(kRowZc)), window_(carry_, settings_) {}

    // Opens path in the window; the texts of the message boxes it showed.
    std::vector<std::string> Open(const std::string& path) {
        MessageBoxRecorder boxes;
        ChooseFile(QString::fromStdString(path));
        window_.OpenFile();
        return boxes.Texts();
    }

    // A configuration file of image with one key changed.
    std::string FileWith(const ParameterImage& image, const std::string& key,
                         const std::string& value) {
        CIniFile ini;
        StoreConfig(ini, image);
        ini.Set(kConfigSection, key, value);
        const std::string path = profile_.File("changed.cfg");
        EXPECT_TRUE(static_cast<bool>(ini.Save(path)));
        return path;
    }

    test::ScratchProfile profile_;
    AppSettings settings_;
    ParameterImage carry_;
    CBasicParameterDialog window_;
};

TEST_F(MainWindowDataTest, ZcSystemOutsideTheListSurvivesSaveAndShowsAsItself) {
    ASSERT_EQ(window_.Image().words[kWordSystem], 5);
    auto* system = FindControlAs<QComboBox>(&window_, kIdSystem);
    ASSERT_NE(system, nullptr);
    EXPECT_EQ(system->currentText().toStdString(), LoadString(1605));

    // Saving reads the controls back: the stored system must come out unchanged.
    const std::string path = profile_.File("zc.cfg");
    ChooseFile(QString::fromStdString(path));
    window_.SaveFile();
    ParameterImage saved;
    ASSERT_TRUE(LoadConfigFile(path, saved));
    EXPECT_EQ(saved.words[kWordSystem], 5);
    EXPECT_EQ(window_.Image().words[kWordSystem], 5);
}

TEST_F(MainWindowDataTest, RefusedFilesLeaveTheImageAsItWas) {
    const ParameterImage before = window_.Image();
    ParameterImage kt2 = DefaultImageOfRow(kRowKt2);

    // A model id that no catalogue row has.
    std::vector<std::string> texts = Open(FileWith(kt2, "Model", "1234"));
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0], FormatMessageId(kMsgUnknownDeviceType, {"1234"}));
    EXPECT_EQ(window_.Image().words, before.words);
    EXPECT_EQ(window_.Image().deviceType.typeIndex, kRowZc);

    // A key lock beyond its list: the same rule and message as the command-line tool's.
    const int reg = RegisterOfWord(BlockTableFor(kt2.deviceType), kWordDisplayOperationMode);
    texts = Open(FileWith(kt2, "L" + std::to_string(reg), "77"));
    kt2.words[kWordDisplayOperationMode] = 77;
    const std::optional<ParameterViolation> violation = FindInvalidParameter(kt2);
    ASSERT_TRUE(violation.has_value());
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0], ViolationMessage(kt2, *violation));
    EXPECT_EQ(window_.Image().words, before.words);
    EXPECT_EQ(window_.Image().deviceType.typeIndex, kRowZc);
}

}  // namespace
}  // namespace voltaro
