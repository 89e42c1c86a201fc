#include "core/platform/message_format.h"

#include <cctype>
#include <cstdio>
#include <cstring>

#include "core/platform/string_table.h"

namespace voltaro {

long long MessageArg::AsSigned() const {
    switch (kind_) {
        case Kind::Signed: return signed_;
        case Kind::Unsigned: return static_cast<long long>(unsigned_);
        case Kind::Real: return static_cast<long long>(real_);
        case Kind::Text: return 0;
    }
    return 0;
}

unsigned long long MessageArg::AsUnsigned() const {
    return kind_ == Kind::Unsigned ? unsigned_ : static_cast<unsigned long long>(AsSigned());
}

double MessageArg::AsReal() const {
    switch (kind_) {
        case Kind::Signed: return static_cast<double>(signed_);
        case Kind::Unsigned: return static_cast<double>(unsigned_);
        case Kind::Real: return real_;
        case Kind::Text: return 0;
    }
    return 0;
}

std::string MessageArg::AsText() const {
    switch (kind_) {
        case Kind::Signed: return std::to_string(signed_);
        case Kind::Unsigned: return std::to_string(unsigned_);
        case Kind::Real: {
            char buffer[64];
            std::snprintf(buffer, sizeof buffer, "%g", real_);
            return buffer;
        }
        case Kind::Text: return text_;
    }
    return {};
}

namespace {

// A printf conversion: flags, width and precision are kept; the length modifier
// decides the integer width as it does for the message tables (none or "l": 32 bits,
// "ll" or "I64": 64 bits, "h": 16 bits).
std::string Convert(std::string_view spec, const MessageArg* arg) {
    if (!arg) return {};
    std::size_t i = 0;
    std::string head = "%";
    while (i < spec.size() && std::strchr("-+ #0", spec[i])) head += spec[i++];
    while (i < spec.size() && std::isdigit(static_cast<unsigned char>(spec[i]))) head += spec[i++];
    if (i < spec.size() && spec[i] == '.') {
        head += spec[i++];
        while (i < spec.size() && std::isdigit(static_cast<unsigned char>(spec[i]))) head += spec[i++];
    }
    int bits = 32;
    if (spec.substr(i, 3) == "I64") {
        bits = 64;
        i += 3;
    } else if (spec.substr(i, 2) == "ll") {
        bits = 64;
        i += 2;
    } else if (i < spec.size() && (spec[i] == 'l' || spec[i] == 'L')) {
        ++i;
    } else if (i < spec.size() && spec[i] == 'h') {
        bits = 16;
        ++i;
    }
    char conversion = i < spec.size() ? spec[i] : 's';
    char buffer[512];
    switch (conversion) {
        case 'd':
        case 'i': {
            long long v = arg->AsSigned();
            if (bits == 32) v = static_cast<int32_t>(v);
            if (bits == 16) v = static_cast<int16_t>(v);
            std::snprintf(buffer, sizeof buffer, (head + "lld").c_str(), v);
            return buffer;
        }
        case 'u':
        case 'x':
        case 'X':
        case 'o': {
            unsigned long long v = arg->AsUnsigned();
            if (bits == 32) v = static_cast<uint32_t>(v);
            if (bits == 16) v = static_cast<uint16_t>(v);
            std::snprintf(buffer, sizeof buffer, (head + "ll" + conversion).c_str(), v);
            return buffer;
        }
        case 'f':
        case 'F':
        case 'e':
        case 'E':
        case 'g':
        case 'G':
            std::snprintf(buffer, sizeof buffer, (head + conversion).c_str(), arg->AsReal());
            return buffer;
        case 'c': {
            char c = static_cast<char>(arg->AsSigned());
            return std::string(1, c);
        }
        default: {
            std::string text = arg->AsText();
            if (head == "%") return text;
            std::snprintf(buffer, sizeof buffer, (head + "s").c_str(), text.c_str());
            return buffer;
        }
    }
}

bool IsConversionChar(char c) { return std::strchr("diuxXoscfFeEgGp", c) != nullptr; }

}  // namespace

std::string FormatMessageText(std::string_view pattern, std::span<const MessageArg> args) {
    std::string out;
    std::size_t sequential = 0;
    auto argAt = [&](std::size_t index) -> const MessageArg* {
        return index < args.size() ? &args[index] : nullptr;
    };
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        char c = pattern[i];
        if (c != '%' || i + 1 >= pattern.size()) {
            out += c;
            continue;
        }
        char next = pattern[i + 1];
        if (next == '%') {
            out += '%';
            ++i;
            continue;
        }
        if (next >= '1' && next <= '9') {
            // Positional insert %n or %n!spec!.
            std::size_t j = i + 1;
            std::size_t number = 0;
            while (j < pattern.size() && std::isdigit(static_cast<unsigned char>(pattern[j])) &&
                   number < 100) {
                number = number * 10 + static_cast<std::size_t>(pattern[j] - '0');
                ++j;
            }
            std::string_view spec = "s";
            if (j < pattern.size() && pattern[j] == '!') {
                std::size_t end = pattern.find('!', j + 1);
                if (end != std::string_view::npos) {
                    spec = pattern.substr(j + 1, end - j - 1);
                    j = end + 1;
                }
            }
            out += Convert(spec, argAt(number - 1));
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
            out += Convert(pattern.substr(i + 1, j - i), argAt(sequential++));
            i = j;
        } else {
            out += c;
        }
    }
    return out;
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
