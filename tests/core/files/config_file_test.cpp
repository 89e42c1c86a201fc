// Configuration files: layout, round trips for every device type, invalid files and
// the safety of saving.
#include "core/files/config_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "core/model/parameter_blocks.h"
#include "core/model/parameter_check.h"
#include "core/model/parameter_image.h"
#include "core/model/parameter_words.h"
#include "core/model/settings_stocker.h"
#include "core/platform/file_io.h"
#include "core/platform/message_format.h"
#include "core/platform/message_ids.h"
#include "core/platform/private_exception.h"
#include "core/platform/profile.h"
#include "core/platform/string_table.h"
#include "core/platform/temp_dir.h"  // tests/core/platform
#include "support/test_support.h"

namespace voltaro {
namespace {

using test::MessageOf;

using test::ReadFile;
using test::TempDir;
using test::WriteFile;

// Words covered by the blocks that apply to the image's type.
std::vector<int> CoveredWords(const ParameterImage& image) {
    std::vector<int> words;
    for (const ParameterBlock& b : BlockTableFor(image.deviceType))
        if (b.AppliesTo(image.deviceType.FeatureSet()))
            for (int i = 0; i < b.Registers(); ++i)
                words.push_back(b.word + i);
    return words;
}

// Writes text to path and loads it.
ParameterImage LoadText(const std::string& path, const std::string& text) {
    WriteFile(path, text);
    ParameterImage image;
    LoadConfigFile(path, image);
    return image;
}

// A minimal valid file for row 4 with every parameter key present.
std::string ValidFileOfRow4(const TempDir& dir) {
    std::string path = dir.File("base.cfg");
    SaveConfigFile(path, DefaultImageOfRow(4));
    return ReadFile(path);
}

TEST(ConfigFile, StartsWithTheIdentificationOfTheDeviceType) {
    TempDir dir;
    std::string text = ValidFileOfRow4(dir);
    EXPECT_THAT(text, ::testing::StartsWith("[KT2CFG]\r\nModel=7811\r\nDeviceExtension=2\r\n"
                                            "DeviceVersion=0\r\nDeviceIO0=1\r\nDeviceIO1=1\r\n"
                                            "DeviceIO2=0\r\nDeviceIO3=0\r\nDeviceIO4=0\r\nL5200="));
}

// The extension id is taken as written; one with bits outside the mask (or any
// identification) that matches no row is refused: it would load as a file of defaults,
// and its saved copy, masked, as another row that the saved keys do not fill.
TEST(ConfigFile, ExtensionIdIsMaskedOnSavingAndAnIdentificationWithoutRowIsRefused) {
    TempDir dir;
    ParameterImage image = DefaultImageOfRow(4);
    image.deviceType.extensionId = 0xFFFF;
    std::string path = dir.File("ext.cfg");
    SaveConfigFile(path, image);
    std::string text = ReadFile(path);
    EXPECT_THAT(text, ::testing::HasSubstr("\r\nDeviceExtension=1431\r\n"));  // 0x0597

    text.replace(text.find("DeviceExtension=1431"), 20, "DeviceExtension=2050");
    EXPECT_EQ(
        MessageOf([&] { LoadText(path, text); }),
        FormatMessageId(kMsgNoDeviceTypeRow, {std::to_string(image.deviceType.deviceId), "2050",
                                              std::to_string(image.deviceType.version)}));

    ParameterImage row61 = DefaultImageOfRow(61);
    SaveConfigFile(path, row61);
    text = ReadFile(path);
    const std::size_t at = text.find("DeviceExtension=");
    text.replace(at, text.find('\r', at) - at, "DeviceExtension=9");  // masks to 1
    EXPECT_THAT(MessageOf([&] { LoadText(path, text); }),
                ::testing::StartsWith("Load error. Model="));
}

TEST(ConfigFile, RoundTripsEveryDeviceType) {
    TempDir dir;
    for (int row = 0; row < kDeviceTypeCount; ++row) {
        SCOPED_TRACE(row);
        ParameterImage image = DefaultImageOfRow(row);
        uint16_t seed = static_cast<uint16_t>(row * 977 + 13);
        for (int word : CoveredWords(image)) {
            // Any value where any is allowed, else one of the word's codes.
            const AllowedValues allowed = AllowedValuesOf(image.deviceType, word);
            seed = static_cast<uint16_t>(seed + 40503);
            image.words[word] =
                allowed.any ? seed
                            : static_cast<uint16_t>(allowed.codes[seed % allowed.codes.size()]);
        }
        std::string path = dir.File("row" + std::to_string(row) + ".cfg");
        ASSERT_TRUE(SaveConfigFile(path, image));

        ParameterImage loaded = DefaultImageOfRow(row == 0 ? 1 : 0);
        ASSERT_TRUE(LoadConfigFile(path, loaded));
        EXPECT_EQ(loaded.deviceType.deviceId, image.deviceType.deviceId);
        EXPECT_EQ(loaded.deviceType.version, image.deviceType.version);
        EXPECT_EQ(loaded.deviceType.ioConfig, image.deviceType.ioConfig);
        for (int word : CoveredWords(image))
            EXPECT_EQ(loaded.words[word], image.words[word]) << word;
    }
}

TEST(ConfigFile, ThirtyTwoBitKeysCountValuesAndKeepTheirSign) {
    TempDir dir;
    ParameterImage image = DefaultImageOfRow(4);
    ASSERT_TRUE(image.deviceType.HasFeature(FEAT_DISPLAY, 0));
    image.Set32(AlarmHighWord(0), 0xFFFFFFFE);  // block 6370, first 32-bit value
    image.Set32(AlarmLowWord(0), 70000);        // second value: key L6371, registers 6372-6373
    std::string path = dir.File("a.cfg");
    SaveConfigFile(path, image);
    std::string text = ReadFile(path);
    EXPECT_THAT(text, ::testing::HasSubstr("\r\nL6370=-2\r\nL6371=70000\r\nL6374="));
}

TEST(ConfigFile, ZcFilesUseTheZcRegisterMap) {
    TempDir dir;
    for (int row = 0; row < kDeviceTypeCount; ++row) {
        ParameterImage image = DefaultImageOfRow(row);
        if (!image.deviceType.HasFeature(0, FAM_ZC)) continue;
        std::string path = dir.File("zc.cfg");
        SaveConfigFile(path, image);
        std::string text = ReadFile(path);
        EXPECT_THAT(text, ::testing::HasSubstr("\r\nL9040="));
        EXPECT_THAT(text, ::testing::Not(::testing::HasSubstr("L5200=")));
        return;
    }
    FAIL() << "no ZC row";
}

TEST(ConfigFile, IdentificationDefaultsAndInvalidValues) {
    TempDir dir;
    std::string base = ValidFileOfRow4(dir);
    std::string path = dir.File("edit.cfg");
    auto load = [&](const std::string& text) { return LoadText(path, text); };
    // Without "Model" the profile default 7811 applies.
    std::string noModel = base;
    noModel.erase(noModel.find("Model=7811\r\n"), 12);
    EXPECT_EQ(load(noModel).deviceType.deviceId, 7811);

    const std::string invalid = LoadString(kMsgInvalidFileFormat);
    for (const char* bad :
         {"Model=\r\n", "Model=78x1\r\n", "Model=4294967296\r\n", "Model= \r\n"}) {
        std::string text = base;
        text.replace(text.find("Model=7811\r\n"), 12, bad);
        EXPECT_EQ(MessageOf([&] { load(text); }), invalid) << bad;
    }
    std::string badIo = base;
    badIo.replace(badIo.find("DeviceIO3=0"), 11, "DeviceIO3=");
    EXPECT_EQ(MessageOf([&] { load(badIo); }), invalid);
}

TEST(ConfigFile, ParameterKeys) {
    TempDir dir;
    std::string base = ValidFileOfRow4(dir);
    std::string path = dir.File("edit.cfg");
    auto load = [&](const std::string& text) { return LoadText(path, text); };
    auto replaceKey = [&](const std::string& key, const std::string& value) {
        std::string text = base;
        size_t at = text.find("\r\n" + key + "=") + 2;
        size_t end = text.find("\r\n", at);
        text.replace(at, end - at, key + "=" + value);
        return text;
    };
    // Word 0 is register 5200 on row 4, word 1 (a number) register 5201.
    EXPECT_EQ(load(replaceKey("L5201", "-1")).words[kWordDataDisplayView], 65535);
    EXPECT_EQ(load(base + "L99999=5\r\nOther=x\r\n[More]\r\nL5200=3\r\n")
                  .words[kWordDisplayOperationMode],
              load(base).words[kWordDisplayOperationMode]);

    const std::string invalid = LoadString(kMsgInvalidFileFormat);
    for (const char* bad : {"", "1e3", "12abc", "99999999999", "0x10"})
        EXPECT_EQ(MessageOf([&] { load(replaceKey("L5200", bad)); }), invalid) << bad;
    std::string missing = base;
    size_t at = missing.find("L5201=");
    missing.erase(at, missing.find("\r\n", at) + 2 - at);
    EXPECT_EQ(MessageOf([&] { load(missing); }), invalid);
}

TEST(ConfigFile, FailedLoadLeavesTheImageUnchanged) {
    TempDir dir;
    std::string path = dir.File("bad.cfg");
    WriteFile(path,
              "[KT2CFG]\r\nModel=7811\r\nDeviceExtension=2\r\nDeviceVersion=0\r\n"
              "DeviceIO0=1\r\nDeviceIO1=1\r\nDeviceIO2=0\r\nDeviceIO3=0\r\nDeviceIO4=0\r\n"
              "L5200=1\r\n");
    ParameterImage image = DefaultImageOfRow(40);
    image.words[kWordDisplayOperationMode] = 4242;
    ParameterImage before = image;
    EXPECT_THROW(LoadConfigFile(path, image), CPrivateException);
    EXPECT_EQ(image.words, before.words);
    EXPECT_EQ(image.deviceType.typeIndex, before.deviceType.typeIndex);

    // A file that is not there is a load error with the system's reason.
    std::string missing = MessageOf([&] { LoadConfigFile(dir.File("none.cfg"), image); });
    EXPECT_THAT(missing, ::testing::StartsWith("Load error. "));
    EXPECT_NE(missing, LoadString(kMsgInvalidFileFormat));
}

TEST(ConfigFile, SavingAgainRewritesKeysInPlaceAndKeepsOtherContent) {
    TempDir dir;
    std::string path = dir.File("twice.cfg");
    ParameterImage image = DefaultImageOfRow(4);
    SaveConfigFile(path, image);
    WriteFile(path, "; notes\r\n[Site]\r\nName=North\r\n" + ReadFile(path) + "Comment=mine\r\n");
    std::string first = ReadFile(path);
    image.words[kWordDisplayOperationMode] = 3;
    SaveConfigFile(path, image);
    std::string second = ReadFile(path);
    EXPECT_EQ(second.size(), first.size());  // one value changed from 1 digit to 1 digit
    EXPECT_THAT(second, ::testing::StartsWith("; notes\r\n[Site]\r\nName=North\r\n[KT2CFG]\r\n"));
    EXPECT_THAT(second, ::testing::HasSubstr("\r\nL5200=3\r\n"));
    EXPECT_THAT(second, ::testing::EndsWith("Comment=mine\r\n"));
}

TEST(ConfigFile, FailedSaveKeepsTheOldFile) {
    TempDir dir;
    EXPECT_THAT(
        MessageOf([&] { SaveConfigFile(dir.File("no/such/dir.cfg"), DefaultImageOfRow(4)); }),
        ::testing::StartsWith("Save error. "));

    // Running as root, permissions do not stop a write; a file size limit does.
    std::string path = dir.File("old.cfg");
    ParameterImage image = DefaultImageOfRow(4);
    SaveConfigFile(path, image);
    std::string old = ReadFile(path);
    image.words[kWordDisplayOperationMode] = 7;
    std::string message;
    {
        test::FileSizeLimit limit(64);
        message = MessageOf([&] { SaveConfigFile(path, image); });
    }
    EXPECT_THAT(message, ::testing::StartsWith("Save error. "));
    EXPECT_EQ(ReadFile(path), old);
}

// Values that would change on their way to the device are refused with their key.
TEST(ConfigFile, ValuesThatDoNotFitOrAreNotAllowedRefuseTheFile) {
    TempDir dir;
    const std::string base = ValidFileOfRow4(dir);
    const std::string path = dir.File("edit.cfg");
    auto loadWith = [&](const std::string& key, const std::string& value) {
        std::string text = base;
        size_t at = text.find("\r\n" + key + "=") + 2;
        text.replace(at, text.find("\r\n", at) - at, key + "=" + value);
        return MessageOf([&] { LoadText(path, text); });
    };
    // Register 5600 holds the wiring system (word 31) on row 4: seven entries.
    EXPECT_EQ(loadWith("L5600", "70000"),
              "Load error. L5600=70000 does not fit its register (-32768 - 65535).");
    EXPECT_EQ(loadWith("L5600", "7"),
              "Load error. Input - System (register 5600) holds 7; allowed: 0 - 6.");
    EXPECT_EQ(loadWith("L5600", "6"), test::kNoException);
    // A model id that does not fit would wrap round to another model.
    EXPECT_EQ(loadWith("Model", "73347"),
              "Load error. Model=73347 does not fit its register (0 - 65535).");
    EXPECT_EQ(loadWith("Model", "1234"),
              "Load error. Model=1234 is no device of this program's catalogue.");
    EXPECT_EQ(loadWith("DeviceIO0", "-1"),
              "Load error. DeviceIO0=-1 does not fit its register (0 - 65535).");
}

TEST(ConfigFile, OnlyRegularFilesOfSaneSizeAreLoadedOrSaved) {
    TempDir dir;
    ParameterImage image;
    ASSERT_EQ(::mkfifo(dir.File("fifo.cfg").c_str(), 0600), 0);
    EXPECT_EQ(MessageOf([&] { LoadConfigFile(dir.File("fifo.cfg"), image); }),
              "Load error. " + dir.File("fifo.cfg") + " is not a regular file.");
    EXPECT_EQ(MessageOf([&] { SaveConfigFile("/dev/null", image); }),
              "Save error. /dev/null is not a regular file.");

    const std::string huge = dir.File("huge.cfg");
    WriteFile(huge, ValidFileOfRow4(dir) + std::string(kMaxSettingsFileBytes, ';'));
    EXPECT_EQ(MessageOf([&] { LoadConfigFile(huge, image); }),
              "Load error. " + huge + " is larger than " + std::to_string(kMaxSettingsFileBytes) +
                  " bytes: it cannot be one of this program's files.");

    // A private file stays private when saved again.
    const std::string mine = dir.File("mine.cfg");
    SaveConfigFile(mine, DefaultImageOfRow(4));
    ::chmod(mine.c_str(), 0600);
    SaveConfigFile(mine, DefaultImageOfRow(4));
    struct stat st {};
    ::stat(mine.c_str(), &st);
    EXPECT_EQ(st.st_mode & 07777, 0600u);
}

}  // namespace
}  // namespace voltaro
