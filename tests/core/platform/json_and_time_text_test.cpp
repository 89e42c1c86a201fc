// Text for machine-readable output: JSON string literals that stay valid JSON whatever the
// bytes, and UTC time stamps with milliseconds.
#include <gtest/gtest.h>

#include <chrono>

#include "core/platform/json_text.h"
#include "core/platform/utc_time.h"

namespace voltaro {
namespace {

TEST(JsonString, EscapesWhatJsonForbidsAndKeepsUtf8) {
    EXPECT_EQ(JsonString(""), "\"\"");
    EXPECT_EQ(JsonString("say \"hi\" \\ back"), "\"say \\\"hi\\\" \\\\ back\"");
    EXPECT_EQ(JsonString("a\nb\rc\td\be\ff"), "\"a\\nb\\rc\\td\\be\\ff\"");
    EXPECT_EQ(JsonString(std::string("\x01\x1f\x7f", 3)), "\"\\u0001\\u001f\x7f\"");
    EXPECT_EQ(JsonString(std::string("nul\0end", 7)), "\"nul\\u0000end\"");
    // Slashes and valid UTF-8 (two, three and four bytes) pass unchanged.
    EXPECT_EQ(JsonString("1/2 \xC3\x84 \xE9\x9B\xBB \xF0\x9F\x98\x80"),
              "\"1/2 \xC3\x84 \xE9\x9B\xBB \xF0\x9F\x98\x80\"");
}

TEST(JsonString, BytesThatAreNotUtf8BecomeReplacementCharacters) {
    const std::string fffd = "\xEF\xBF\xBD";
    EXPECT_EQ(JsonString("a\xFF"
                         "b"),
              "\"a" + fffd + "b\"");
    EXPECT_EQ(JsonString("\x80"), "\"" + fffd + "\"");  // stray continuation
    EXPECT_EQ(JsonString("\xC3"), "\"" + fffd + "\"");  // cut at the end
    EXPECT_EQ(JsonString("\xE9\x9B"
                         "x"),
              "\"" + fffd + fffd + "x\"");                                    // cut in the middle
    EXPECT_EQ(JsonString("\xC0\xAF"), "\"" + fffd + fffd + "\"");             // overlong '/'
    EXPECT_EQ(JsonString("\xE0\x80\xAF"), "\"" + fffd + fffd + fffd + "\"");  // overlong
    EXPECT_EQ(JsonString("\xED\xA0\x80"), "\"" + fffd + fffd + fffd + "\"");  // surrogate
    EXPECT_EQ(JsonString("\xF4\x90\x80\x80"), "\"" + fffd + fffd + fffd + fffd + "\"");
}

TEST(IsoUtcTimeText, MillisecondsInUtcAlsoBefore1970) {
    using namespace std::chrono;
    const auto at = [](sys_days day, milliseconds since) {
        return system_clock::time_point(
            duration_cast<system_clock::duration>(day.time_since_epoch() + since));
    };
    EXPECT_EQ(IsoUtcTimeText(at(sys_days{1970y / 1 / 1}, 1234ms)), "1970-01-01T00:00:01.234Z");
    EXPECT_EQ(IsoUtcTimeText(at(sys_days{2024y / 2 / 29}, 13h + 30min + 45s + 7ms)),
              "2024-02-29T13:30:45.007Z");
    EXPECT_EQ(IsoUtcTimeText(at(sys_days{2026y / 12 / 31}, 23h + 59min + 59s + 999ms)),
              "2026-12-31T23:59:59.999Z");
    // Rounded down to the millisecond, never up into the next second.
    EXPECT_EQ(IsoUtcTimeText(at(sys_days{2026y / 12 / 31}, 23h + 59min + 59s + 999ms) +
                             microseconds(999)),
              "2026-12-31T23:59:59.999Z");
    EXPECT_EQ(IsoUtcTimeText(at(sys_days{1970y / 1 / 1}, -1ms)), "1969-12-31T23:59:59.999Z");
}

}  // namespace
}  // namespace voltaro
