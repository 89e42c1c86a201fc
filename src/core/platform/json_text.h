#pragma once
// Text as a JSON string literal, for machine-readable output.
#include <string>
#include <string_view>

namespace voltaro {

// text in double quotes with JSON escapes: quote, backslash and the control characters
// U+0000 .. U+001F escaped (\n, \r, \t, \b, \f, else \u00XX). Bytes that are not valid
// UTF-8 become U+FFFD, so that the result is always valid JSON.
std::string JsonString(std::string_view text);

}  // namespace voltaro
