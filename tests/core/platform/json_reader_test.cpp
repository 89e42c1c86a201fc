// The JSON reader: what it accepts, what it refuses and where it says the fault is.
#include <gtest/gtest.h>

#include "core/platform/json_text.h"

namespace voltaro {
namespace {

std::optional<JsonValue> Parse(std::string_view text) {
    JsonParseError error;
    return ParseJson(text, error);
}

JsonParseError ErrorOf(std::string_view text) {
    JsonParseError error;
    EXPECT_FALSE(ParseJson(text, error)) << text;
    return error;
}

TEST(JsonReader, ReadsNestedValuesInOrderWithNumbersAsWritten) {
    const auto value = Parse(
        "\xEF\xBB\xBF { \"a\": [1, -2.5e3, true, false, null], \"b\": {\"c\": \"d\"},\r\n"
        " \"a\": 0 }");
    ASSERT_TRUE(value);
    ASSERT_EQ(value->kind, JsonValue::Kind::Object);
    ASSERT_EQ(value->members.size(), 3u);
    const JsonValue* a = value->Find("a");  // the first of two members of that name
    ASSERT_NE(a, nullptr);
    ASSERT_EQ(a->items.size(), 5u);
    EXPECT_EQ(a->items[0].Integer(), 1);
    EXPECT_EQ(a->items[1].text, "-2.5e3");
    EXPECT_FALSE(a->items[1].Integer());
    EXPECT_TRUE(a->items[2].boolean);
    EXPECT_EQ(a->items[3].kind, JsonValue::Kind::Boolean);
    EXPECT_FALSE(a->items[3].boolean);
    EXPECT_EQ(a->items[4].kind, JsonValue::Kind::Null);
    EXPECT_EQ(value->Find("b")->Find("c")->text, "d");
    EXPECT_EQ(value->Find("zz"), nullptr);
    EXPECT_EQ(a->Find("a"), nullptr);  // an array has no members
    EXPECT_EQ(Parse("[]")->items.size(), 0u);
    EXPECT_EQ(Parse("{}")->members.size(), 0u);
}

TEST(JsonReader, IntegersAreExactOrRefused) {
    EXPECT_EQ(Parse("9223372036854775807")->Integer(), INT64_MAX);
    EXPECT_EQ(Parse("-9223372036854775808")->Integer(), INT64_MIN);
    EXPECT_FALSE(Parse("9223372036854775808")->Integer());  // does not fit
    EXPECT_FALSE(Parse("1.0")->Integer());
    EXPECT_FALSE(Parse("1E2")->Integer());
    EXPECT_FALSE(Parse("\"5\"")->Integer());
    EXPECT_EQ(Parse("-0")->Integer(), 0);
}

TEST(JsonReader, DecodesEscapesAndSurrogatePairs) {
    EXPECT_EQ(Parse(R"("q\" b\\ s\/ \b\f\n\r\t")")->text, "q\" b\\ s/ \b\f\n\r\t");
    EXPECT_EQ(Parse(R"("\u00e9\u96fb\ud83d\ude00")")->text, "\xC3\xA9\xE9\x9B\xBB\xF0\x9F\x98\x80");
    EXPECT_EQ(Parse("\"\xE9\x9B\xBB\"")->text, "\xE9\x9B\xBB");
    EXPECT_EQ(Parse(R"("\u0000")")->text, std::string(1, '\0'));
}

TEST(JsonReader, RefusesWhatTheGrammarDoesNotAllowAndSaysWhere) {
    for (const char* bad : {"",
                            "   ",
                            "[1,]",
                            "{\"a\":1,}",
                            "{a:1}",
                            "[1 2]",
                            "01",
                            "1.",
                            "-",
                            ".5",
                            "+1",
                            "1e",
                            "tru",
                            "nul",
                            "'x'",
                            "\"open",
                            "\"tab\there\"",
                            "\"\\x\"",
                            "\"\\u12G4\"",
                            "\"\\ud800\"",
                            "\"\\udc00\"",
                            "\"\\ud800\\u0041\"",
                            "\"\xFF\"",
                            "\"\xC0\xAF\"",
                            "[1] 2",
                            "{\"a\" 1}",
                            "// c\n1",
                            "NaN",
                            "[\"a\"",
                            "{\"a\":1"}) {
        ErrorOf(bad);
    }
    const JsonParseError error = ErrorOf("{\n  \"a\": [1,\n    x]\n}");
    EXPECT_EQ(error.line, 3);
    EXPECT_EQ(error.column, 5);
    EXPECT_EQ(error.what, "a value was expected");
}

TEST(JsonReader, BoundsTheNesting) {
    std::string deep(kMaxJsonDepth, '[');
    deep += std::string(kMaxJsonDepth, ']');
    EXPECT_TRUE(Parse(deep));
    // One more level (and a very deep text, which must not exhaust the stack).
    EXPECT_EQ(ErrorOf("[" + deep + "]").what, "values nested too deep");
    EXPECT_EQ(ErrorOf(std::string(100000, '[')).what, "values nested too deep");
}

}  // namespace
}  // namespace voltaro
