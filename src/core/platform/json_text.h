#pragma once
// JSON text: string literals for machine-readable output, and a reader for files that
// people edit and programs read back.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace voltaro {

// text in double quotes with JSON escapes: quote, backslash and the control characters
// U+0000 .. U+001F escaped (\n, \r, \t, \b, \f, else \u00XX). Bytes that are not valid
// UTF-8 become U+FFFD, so that the result is always valid JSON.
std::string JsonString(std::string_view text);

// One JSON value as read. Numbers keep their text, so that a reader decides how exactly
// it takes them (an integer register value must not pass through a double).
struct JsonMember;

struct JsonValue {
    enum class Kind { Null, Boolean, Number, String, Array, Object };
    Kind kind = Kind::Null;
    bool boolean = false;
    std::string text;  // a number's text, or a string's value (UTF-8)
    std::vector<JsonValue> items;
    // In file order, names may repeat. A member type of its own rather than a pair: a pair
    // of an incomplete type is not allowed inside that type's own definition.
    std::vector<JsonMember> members;

    // The first member called name, or nullptr (also for a value that is no object).
    const JsonValue* Find(std::string_view name) const;
    // A number without fraction or exponent that fits a long long.
    std::optional<long long> Integer() const;
};

struct JsonMember {
    std::string name;
    JsonValue value;
};

struct JsonParseError {
    std::string what;  // what is wrong, in English words of the JSON grammar
    int line = 1;      // where, counted from 1
    int column = 1;    // in bytes
};

// Reads text (UTF-8, an optional byte order mark) as one JSON value (RFC 8259: no comments,
// no trailing commas, strings of valid UTF-8, surrogate pairs in \u escapes), nested at
// most kMaxJsonDepth deep. Returns the value, or nullopt with error filled in.
constexpr int kMaxJsonDepth = 64;
std::optional<JsonValue> ParseJson(std::string_view text, JsonParseError& error);

}  // namespace voltaro
