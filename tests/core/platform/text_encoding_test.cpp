// Cutting UTF-8 text and converting it to the locale's character set.
#include <gtest/gtest.h>

#include <string>

#include "core/platform/text_encoding.h"

namespace voltaro {
namespace {

TEST(TextEncoding, CutsWithoutSplittingACharacter) {
    EXPECT_EQ(CutUtf8("abc", 255), "abc");
    std::string text(254, 'a');
    text += "\xC3\xA9\xC3\xA9";  // two two-byte characters
    std::string cut = CutUtf8(text, 255);
    EXPECT_EQ(cut.size(), 256u);
    EXPECT_EQ(cut.substr(254), "\xC3\xA9");
    EXPECT_EQ(CutUtf8(std::string(300, 'x'), 255).size(), 255u);
}

TEST(TextEncoding, ConvertsFromUtf8MarkingWhatTheCharsetCannotHold) {
    EXPECT_EQ(ConvertFromUtf8("\"90\xC2\xB0\"", "ISO-8859-1"), "\"90\xB0\"");
    EXPECT_EQ(ConvertFromUtf8("a\xE6\x97\xA5z", "ISO-8859-1"), "a?z");
    EXPECT_EQ(ConvertFromUtf8("a\xE6\x97\xA5z", "UTF-8"), "a\xE6\x97\xA5z");
    EXPECT_EQ(ConvertFromUtf8("\xE6\x97\xA5", "EUC-JP"), "\xC6\xFC");
}

}  // namespace
}  // namespace voltaro
