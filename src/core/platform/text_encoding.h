#pragma once
// Conversions between the text encodings that files read by the system may use.
#include <string>
#include <string_view>

namespace voltaro {

// UTF-16 little-endian bytes (without byte order mark) to UTF-8. Unpaired surrogates
// and a trailing odd byte become U+FFFD.
std::string Utf16LeToUtf8(std::string_view bytes);

// Appends the UTF-8 form of code point cp (U+FFFD for values that are not scalar values).
void AppendUtf8(std::string& out, char32_t cp);

}  // namespace voltaro
