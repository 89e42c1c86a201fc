#include "core/platform/message_format.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>

#include "core/platform/string_table.h"

namespace voltaro {

long long MessageArg::AsSigned() const {
    switch (kind_) {
        case Kind::Signed:
            return signed_;
        case Kind::Unsigned:
            return static_cast<long long>(unsigned_);
        case Kind::Real:
            return static_cast<long long>(real_);
        case Kind::Text:
            return 0;
    }
    return 0;
}

unsigned long long MessageArg::AsUnsigned() const {
    return kind_ == Kind::Unsigned ? unsigned_ : static_cast<unsigned long long>(AsSigned());
}

double MessageArg::AsReal() const {
    switch (kind_) {
        case Kind::Signed:
            return static_cast<double>(signed_);
        case Kind::Unsigned:
            return static_cast<double>(unsigned_);
        case Kind::Real:
            return real_;
        case Kind::Text:
            return 0;
    }
    return 0;
}

std::string MessageArg::AsText() const {
    switch (kind_) {
        case Kind::Signed:
            return std::to_string(signed_);
        case Kind::Unsigned:
            return std::to_string(unsigned_);
        case Kind::Real: {
            char buffer[64];
            std::snprintf(buffer, sizeof buffer, "%g", real_);
            return buffer;
        }
        case Kind::Text:
            return text_;
    }
    return {};
}

namespace {

// Widest field and longest precision of one insert.
constexpr std::size_t kMaxFieldWidth = 256;

// snprintf into a string of whatever length the result needs.
template <typename T>
std::string Printf(const std::string& format, T value) {
    char buffer[128];
    int n = std::snprintf(buffer, sizeof buffer, format.c_str(), value);
    if (n < 0) return {};
    if (static_cast<std::size_t>(n) < sizeof buffer)
        return std::string(buffer, static_cast<std::size_t>(n));
    std::string out(static_cast<std::size_t>(n) + 1, '\0');
    std::snprintf(out.data(), out.size(), format.c_str(), value);
    out.resize(static_cast<std::size_t>(n));
    return out;
}

// A printf conversion: flags, width and precision are kept; the length modifier
// decides the integer width as it does for the message tables (none or "l": 32 bits,
// "ll" or "I64": 64 bits, "h": 16 bits).
std::string Convert(std::string_view format, const MessageArg* arg) {
    if (!arg) return {};
    std::size_t i = 0;
    std::string head = "%";
    while (i < format.size() && std::strchr("-+ #0", format[i]))
        head += format[i++];
    // Width and precision, at most kMaxFieldWidth each: a pattern asking for gigabytes of
    // padding gets a field of sane size instead.
    auto number = [&] {
        std::size_t value = 0;
        while (i < format.size() && std::isdigit(static_cast<unsigned char>(format[i])))
            value = std::min<std::size_t>(value * 10 + static_cast<std::size_t>(format[i++] - '0'),
                                          kMaxFieldWidth);
        return std::to_string(value);
    };
    if (i < format.size() && std::isdigit(static_cast<unsigned char>(format[i]))) head += number();
    if (i < format.size() && format[i] == '.') {
        ++i;
        head += "." + number();
    }
    int bits = 32;
    if (format.substr(i, 3) == "I64") {
        bits = 64;
        i += 3;
    } else if (format.substr(i, 2) == "ll") {
        bits = 64;
        i += 2;
    } else if (i < format.size() && (format[i] == 'l' || format[i] == 'L')) {
        ++i;
    } else if (i < format.size() && format[i] == 'h') {
        bits = 16;
        ++i;
    }
    char conversion = i < format.size() ? format[i] : 's';
    // A text given for a numeric conversion is shown as it stands rather than as 0.
    if (arg->kind() == MessageArg::Kind::Text && std::strchr("diuxXofFeEgG", conversion))
        conversion = 's';
    switch (conversion) {
        case 'd':
        case 'i': {
            long long v = arg->AsSigned();
            if (bits == 32) v = static_cast<int32_t>(v);
            if (bits == 16) v = static_cast<int16_t>(v);
            return Printf(head + "lld", v);
        }
        case 'u':
        case 'x':
        case 'X':
        case 'o': {
            unsigned long long v = arg->AsUnsigned();
            if (bits == 32) v = static_cast<uint32_t>(v);
            if (bits == 16) v = static_cast<uint16_t>(v);
            return Printf(head + "ll" + conversion, v);
        }
        case 'f':
        case 'F':
        case 'e':
        case 'E':
        case 'g':
        case 'G':
            return Printf(head + conversion, arg->AsReal());
        case 'c': {
            char c = static_cast<char>(arg->AsSigned());
            return std::string(1, c);
        }
        default: {
            std::string text = arg->AsText();
            if (head == "%") return text;
            return Printf(head + "s", text.c_str());
        }
    }
}

bool IsConversionChar(char c) {
    return std::strchr("diuxXoscfFeEgGp", c) != nullptr;
}

// Walks pattern and calls onText(literal) for literal text and onInsert(number, format) for
// every insert: number is the 1-based position of a positional insert, 0 for a plain
// sequential conversion; format is the printf conversion without its '%'.
template <typename OnText, typename OnInsert>
void ScanPattern(std::string_view pattern, OnText onText, OnInsert onInsert) {
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        char c = pattern[i];
        if (c != '%' || i + 1 >= pattern.size()) {
            onText(std::string_view(&pattern[i], 1));
            continue;
        }
        char next = pattern[i + 1];
        if (next == '%') {
            onText(std::string_view("%"));
            ++i;
            continue;
        }
        if (next >= '1' && next <= '9') {
            // Positional insert %n or %n!format! (n at most 99).
            std::size_t j = i + 1;
            std::size_t number = 0;
            while (j < pattern.size() && std::isdigit(static_cast<unsigned char>(pattern[j])) &&
                   number < 10) {
                number = number * 10 + static_cast<std::size_t>(pattern[j] - '0');
                ++j;
            }
            std::string_view format = "s";
            if (j < pattern.size() && pattern[j] == '!') {
                std::size_t end = pattern.find('!', j + 1);
                if (end != std::string_view::npos) {
                    format = pattern.substr(j + 1, end - j - 1);
                    j = end + 1;
                }
            }
            onInsert(number, format);
            i = j - 1;
            continue;
        }
        // Plain sequential printf form.
        std::size_t j = i + 1;
        while (j < pattern.size() && !IsConversionChar(pattern[j]) &&
               (std::strchr("-+ #0.lhLI6", pattern[j]) ||
                std::isdigit(static_cast<unsigned char>(pattern[j]))))
            ++j;
        if (j < pattern.size() && IsConversionChar(pattern[j])) {
            onInsert(0, pattern.substr(i + 1, j - i));
            i = j;
        } else {
            onText(std::string_view(&pattern[i], 1));
        }
    }
}

}  // namespace

std::string FormatMessageText(std::string_view pattern, std::span<const MessageArg> args) {
    std::string out;
    std::size_t sequential = 0;
    auto argAt = [&](std::size_t index) -> const MessageArg* {
        return index < args.size() ? &args[index] : nullptr;
    };
    ScanPattern(
        pattern, [&](std::string_view text) { out += text; },
        [&](std::size_t number, std::string_view format) {
            out += Convert(format, argAt(number == 0 ? sequential++ : number - 1));
        });
    return out;
}

std::vector<std::string> MessageInserts(std::string_view pattern) {
    std::vector<std::string> inserts;
    ScanPattern(
        pattern, [](std::string_view) {},
        [&](std::size_t number, std::string_view format) {
            inserts.push_back(number == 0
                                  ? "%" + std::string(format)
                                  : "%" + std::to_string(number) + "!" + std::string(format) + "!");
        });
    return inserts;
}

std::string FormatMessageText(std::string_view pattern, std::initializer_list<MessageArg> args) {
    return FormatMessageText(pattern, std::span<const MessageArg>(args.begin(), args.size()));
}

std::string FormatMessageId(int id, std::initializer_list<MessageArg> args) {
    return FormatMessageText(LoadString(id), args);
}

std::string FormatMessageId(int id, const std::vector<MessageArg>& args) {
    return FormatMessageText(LoadString(id), std::span<const MessageArg>(args));
}

}  // namespace voltaro
