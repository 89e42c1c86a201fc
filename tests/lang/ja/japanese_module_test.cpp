// The Japanese language module as built for voltaro-cli: consistent with the English
// table, complete apart from model strings that are product codes only, valid UTF-8, and formatting
// its messages with the right inserts in Japanese word order; the desktop program's module carries
// the same table.
#include <gtest/gtest.h>
#include <netdb.h>

#include <algorithm>
#include <cerrno>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "core/platform/message_format.h"
#include "core/platform/message_ids.h"
#include "core/platform/private_exception.h"
#include "core/platform/resource_module.h"
#include "core/platform/string_table.h"
#include "core/platform/sys_error.h"
#include "core/platform/ui_text_ids.h"

namespace voltaro {
namespace {

const std::string kModule = std::string(VOLTARO_BINARY_DIR) + "/bin/voltaro-cli_jpn.so";
const std::string kDesktopModule = std::string(VOLTARO_BINARY_DIR) + "/bin/voltaro_jpn.so";

// True when text is well-formed UTF-8 (no stray continuation bytes, no truncated or
// overlong sequences, no surrogates).
bool IsUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = lead < 0x80           ? 1
                             : (lead >> 5) == 0x6  ? 2
                             : (lead >> 4) == 0xE  ? 3
                             : (lead >> 3) == 0x1E ? 4
                                                   : 0;
        if (length == 0 || i + length > text.size()) return false;
        char32_t cp = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (next & 0x3F);
        }
        const char32_t minimum[] = {0, 0, 0x80, 0x800, 0x10000};
        if (cp < minimum[length] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
        i += length;
    }
    return true;
}

std::string EnglishText(int id) {
    for (const StringEntry& e : EnglishStringTable())
        if (e.id == id) return e.text;
    return {};
}

// The fields of a file dialog filter ("name|pattern|name|pattern||").
std::vector<std::string> FilterFields(const std::string& filter) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t bar; (bar = filter.find('|', start)) != std::string::npos; start = bar + 1)
        fields.push_back(filter.substr(start, bar - start));
    fields.push_back(filter.substr(start));
    return fields;
}

class JapaneseModuleTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(module_.Open(kModule, &error)) << error;
    }
    void TearDown() override { UnloadLanguageModule(); }

    CResourceModule module_;
};

// The words of a model string: runs of two or more letters with a small letter, apart
// from the product codes and interface names that stay as they are in every language.
std::vector<std::string> ModelWords(std::string_view text) {
    static const std::set<std::string, std::less<>> kCodes = {"Modbus", "Link", "LonWorks", "Ver",
                                                              "Do",     "Di",   "Ao",       "mA"};
    std::vector<std::string> words;
    auto isLetter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
    for (std::size_t i = 0; i < text.size();) {
        std::size_t end = i;
        while (end < text.size() && isLetter(text[end]))
            ++end;
        const std::string_view run = text.substr(i, end - i);
        if (run.size() >= 2 && run.find_first_of("abcdefghijklmnopqrstuvwxyz") != run.npos &&
            !kCodes.contains(run))
            words.emplace_back(run);
        i = end == i ? i + 1 : end;
    }
    return words;
}

TEST_F(JapaneseModuleTest, EveryTextHasItsJapaneseWithTheSameInserts) {
    StringTableCheck check = CheckStringTable(module_.Table());
    EXPECT_TRUE(check.Consistent())
        << "unknown " << ::testing::PrintToString(check.unknownIds) << " duplicate "
        << ::testing::PrintToString(check.duplicateIds) << " inserts "
        << ::testing::PrintToString(check.insertMismatchIds);

    // Only model strings made of product codes alone are left to English.
    std::vector<int> codesOnly;
    for (const StringEntry& e : strings::kModels)
        if (ModelWords(e.text).empty()) codesOnly.push_back(e.id);
    std::sort(codesOnly.begin(), codesOnly.end());
    EXPECT_EQ(check.missingIds, codesOnly);
    EXPECT_FALSE(codesOnly.empty());

    std::set<int> ids;
    for (const StringEntry& e : module_.Table())
        ids.insert(e.id);
    for (const StringEntry& e : strings::kMessages)
        EXPECT_TRUE(ids.contains(e.id)) << "message " << e.id;
    for (int id : {kTextOk, kTextCancel, kTextMainUpload, kTextConnectCaption,
                   kTextDetailChannelSuffix, kTextLoopTestZcNote, kTextPresetCaption})
        EXPECT_TRUE(ids.contains(id)) << "dialog text " << id;
}

TEST_F(JapaneseModuleTest, ModelStringsKeepTheirCodesAndFields) {
    ASSERT_TRUE(LoadLanguageModule(kModule));
    int translated = 0;
    for (const StringEntry& e : strings::kModels) {
        const std::string japanese = LoadString(e.id);
        const std::vector<std::string> english = FilterFields(e.text);
        const std::vector<std::string> fields = FilterFields(japanese);
        ASSERT_EQ(fields.size(), english.size()) << e.id << " " << japanese;
        EXPECT_EQ(fields[0], english[0]) << e.id;  // the prefix is a product code
        EXPECT_EQ(ModelWords(japanese), std::vector<std::string>()) << e.id << " " << japanese;
        translated += japanese != e.text;
    }
    EXPECT_EQ(ModelWords("ZBDPQV-|21* 3P4W, Modbus, Counter x4|Ver.2.00 or later"),
              (std::vector<std::string>{"Counter", "or", "later"}));
    EXPECT_GT(translated, 40);
}

TEST_F(JapaneseModuleTest, TheDesktopModuleCarriesTheSameTable) {
    CResourceModule desktop;
    std::string error;
    ASSERT_TRUE(desktop.Open(kDesktopModule, &error)) << error;
    ASSERT_EQ(desktop.Table().size(), module_.Table().size());
    for (std::size_t i = 0; i < module_.Table().size(); ++i) {
        EXPECT_EQ(desktop.Table()[i].id, module_.Table()[i].id) << i;
        EXPECT_STREQ(desktop.Table()[i].text, module_.Table()[i].text) << i;
    }
}

TEST_F(JapaneseModuleTest, TextsAreUtf8AndTranslated) {
    for (const StringEntry& e : module_.Table()) {
        ASSERT_NE(e.text, nullptr) << e.id;
        EXPECT_TRUE(IsUtf8(e.text)) << e.id;
        EXPECT_FALSE(std::string_view(e.text).empty()) << e.id;
    }
    ASSERT_TRUE(LoadLanguageModule(kModule));
    // Every message is Japanese, and so is a sample of every other block.
    for (const StringEntry& e : strings::kMessages)
        EXPECT_NE(LoadString(e.id), e.text) << e.id;
    for (int id : {1002, 1600, 1700, 2500, 3603, 4100, 5000, 15000, 16010, kTextCancel,
                   kTextMainUpload, kTextPasscodeCaption})
        EXPECT_NE(LoadString(id), EnglishText(id)) << id;
    // Monitors show this text centred in a value field: it keeps its padding.
    const std::string error = LoadString(kMsgMonitorCommunicationError);
    EXPECT_TRUE(error.starts_with("    ") && error.ends_with("    ")) << error;
}

TEST_F(JapaneseModuleTest, FileFiltersKeepTheirPatterns) {
    ASSERT_TRUE(LoadLanguageModule(kModule));
    for (int id : {2700, 2701}) {
        const std::vector<std::string> english = FilterFields(EnglishText(id));
        const std::vector<std::string> japanese = FilterFields(LoadString(id));
        ASSERT_EQ(japanese.size(), english.size()) << id;
        for (std::size_t i = 0; i < english.size(); ++i) {
            if (i % 2 == 1 || english[i].empty())
                EXPECT_EQ(japanese[i], english[i]) << id << " field " << i;
            else
                EXPECT_NE(japanese[i], english[i]) << id << " field " << i;
        }
    }
}

TEST_F(JapaneseModuleTest, MessagesFormatInJapaneseOrderAndEnglishReturns) {
    ASSERT_TRUE(LoadLanguageModule(kModule));
    // The reason comes first in Japanese, the command details after it.
    EXPECT_EQ(FormatMessageId(kMsgModbusCommandFailed, {"Read", 9600, 28, LoadString(kMsgTimeout)}),
              "タイムアウトのため、Modbusコマンドが失敗しました。"
              "コマンド=Read アドレス=9600 サイズ=28");
    EXPECT_EQ(FormatMessageId(kMsgOutOfRange, {"機器アドレス", "1", "247"}),
              "機器アドレスは1～247の範囲で入力してください。");
    EXPECT_EQ(FormatMessageId(kMsgOutOfRangeOrExtra, {"出力", "4.000", "20.000", "0"}),
              "出力は0、または4.000～20.000の範囲で入力してください。");
    EXPECT_EQ(FormatMessageId(kMsgUnsupportedDevice, {7811, 2}),
              "この機器には対応していません。(機器ID=7811、拡張ID=2)");
    EXPECT_EQ(FormatMessageId(kMsgParametersNotMatching, {3}),
              "3個のパラメータが一致していません。");
    EXPECT_EQ(FormatMessageId(kTextDetailChannelSuffix, {5}), " (5ch)");
    const std::string wrapped =
        FormatMessageId(kMsgCommunicationError, {LoadString(kMsgInvalidResponse)});
    EXPECT_TRUE(wrapped.ends_with("\r\rエラー情報:\r不正な応答")) << wrapped;

    UnloadLanguageModule();
    EXPECT_EQ(LoadString(kMsgAreYouSure), "Are you sure?");
    EXPECT_EQ(FormatMessageId(kMsgModbusCommandFailed, {"Read", 9600, 28, "timeout"}),
              "Modbus command failed. command=Read address=9600 size=28 reason=timeout.");
}

TEST_F(JapaneseModuleTest, SystemErrorsInTheMessagesAreJapanese) {
    ASSERT_TRUE(LoadLanguageModule(kModule));
    EXPECT_EQ(SystemErrorText(ENOENT), "そのようなファイルやディレクトリはありません");
    EXPECT_EQ(SystemErrorText(ECONNREFUSED), "接続が拒否されました");
    EXPECT_EQ(ResolverErrorText(EAI_NONAME), "名前またはサービスが不明です");
    const std::string message = CPrivateException(kMsgSaveError, EACCES).Message();
    EXPECT_NE(message.find("アクセスが拒否されました"), std::string::npos) << message;
    EXPECT_EQ(message.find("Permission denied"), std::string::npos) << message;
    UnloadLanguageModule();
    EXPECT_EQ(SystemErrorText(EACCES), "Permission denied");
}

}  // namespace
}  // namespace voltaro
