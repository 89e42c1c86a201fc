#pragma once
// Conversions between the text encodings that the system reads and writes, and cutting
// of UTF-8 text.
#include <cstddef>
#include <string>
#include <string_view>

namespace voltaro {

// UTF-16 little-endian bytes (without byte order mark) to UTF-8. Unpaired surrogates
// and a trailing odd byte become U+FFFD.
std::string Utf16LeToUtf8(std::string_view bytes);

// Cuts UTF-8 text to at most maxChars characters without splitting one.
std::string CutUtf8(const std::string& text, std::size_t maxChars);

// Appends the UTF-8 form of code point cp (U+FFFD for values that are not scalar values).
void AppendUtf8(std::string& out, char32_t cp);

// The locale's character set name ("UTF-8", "ISO-8859-1", ...).
std::string LocaleCharset();
// Converts UTF-8 text to charset; characters the charset cannot hold become '?'.
// UTF-8 and the C locale's plain ASCII charset keep the text unchanged.
std::string ConvertFromUtf8(const std::string& text, const std::string& charset);

}  // namespace voltaro
