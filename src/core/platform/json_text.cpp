#include "core/platform/json_text.h"

#include <cerrno>
#include <cstdint>
#include <cstdlib>

#include "core/platform/text_encoding.h"

namespace voltaro {
namespace {

// The length of the valid UTF-8 sequence at text[i], or 0 when it is not valid (a stray
// continuation byte, a cut sequence, an overlong form, a surrogate, beyond U+10FFFF).
std::size_t Utf8SequenceLength(std::string_view text, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<uint8_t>(text[k]); };
    const uint8_t lead = byte(i);
    std::size_t length = 0;
    char32_t cp = 0;
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        cp = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        cp = lead & 0x0Fu;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        cp = lead & 0x07u;
    } else {
        return 0;
    }
    if (i + length > text.size()) return 0;
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0u) != 0x80u) return 0;
        cp = (cp << 6) | (byte(i + k) & 0x3Fu);
    }
    const bool overlong = (length == 3 && cp < 0x800) || (length == 4 && cp < 0x10000);
    const bool surrogate = cp >= 0xD800 && cp <= 0xDFFF;
    if (overlong || surrogate || cp > 0x10FFFF) return 0;
    return length;
}

}  // namespace

std::string JsonString(std::string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out;
    out.reserve(text.size() + 2);
    out += '"';
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<uint8_t>(text[i]);
        if (c >= 0x80) {
            const std::size_t length = Utf8SequenceLength(text, i);
            if (length == 0) {
                AppendUtf8(out, 0xFFFD);
                ++i;
            } else {
                out.append(text.substr(i, length));
                i += length;
            }
            continue;
        }
        ++i;
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\b':
                out += "\\b";
                break;
            case '\f':
                out += "\\f";
                break;
            default:
                if (c < 0x20) {
                    out += "\\u00";
                    out += kHex[c >> 4];
                    out += kHex[c & 0x0F];
                } else {
                    out += static_cast<char>(c);
                }
        }
    }
    out += '"';
    return out;
}

namespace {

// A recursive-descent reader over the text; the first error stops it.
class JsonReader {
  public:
    JsonReader(std::string_view text, JsonParseError& error) : text_(text), error_(error) {}

    std::optional<JsonValue> Document() {
        if (text_.substr(0, 3) == "\xEF\xBB\xBF") pos_ = 3;
        JsonValue value;
        if (!Value(value, 0)) return std::nullopt;
        SkipSpace();
        if (pos_ != text_.size()) return Fail("text after the end of the value");
        return value;
    }

  private:
    std::nullopt_t Fail(const char* what) {
        error_.what = what;
        error_.line = 1;
        error_.column = 1;
        for (std::size_t i = 0; i < pos_ && i < text_.size(); ++i) {
            if (text_[i] == '\n') {
                ++error_.line;
                error_.column = 1;
            } else {
                ++error_.column;
            }
        }
        return std::nullopt;
    }
    bool Failed(const char* what) {
        Fail(what);
        return false;
    }

    void SkipSpace() {
        while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t' ||
                                       text_[pos_] == '\n' || text_[pos_] == '\r'))
            ++pos_;
    }
    bool Take(char c) {
        SkipSpace();
        if (pos_ < text_.size() && text_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }
    bool Word(std::string_view word) {
        if (text_.substr(pos_, word.size()) != word) return false;
        pos_ += word.size();
        return true;
    }

    bool Value(JsonValue& value, int depth) {
        SkipSpace();
        if (pos_ >= text_.size()) return Failed("unexpected end of text");
        const char c = text_[pos_];
        if (c == '{' || c == '[') {
            if (depth >= kMaxJsonDepth) return Failed("values nested too deep");
            return c == '{' ? Object(value, depth + 1) : Array(value, depth + 1);
        }
        if (c == '"') {
            value.kind = JsonValue::Kind::String;
            return String(value.text);
        }
        if (c == '-' || (c >= '0' && c <= '9')) return Number(value);
        if (Word("true") || Word("false")) {
            value.kind = JsonValue::Kind::Boolean;
            value.boolean = c == 't';
            return true;
        }
        if (Word("null")) return true;
        return Failed("a value was expected");
    }

    bool Object(JsonValue& value, int depth) {
        value.kind = JsonValue::Kind::Object;
        ++pos_;
        if (Take('}')) return true;
        do {
            SkipSpace();
            std::string name;
            if (pos_ >= text_.size() || text_[pos_] != '"')
                return Failed("a member name was expected");
            if (!String(name)) return false;
            if (!Take(':')) return Failed("':' was expected");
            JsonValue member;
            if (!Value(member, depth)) return false;
            value.members.push_back({std::move(name), std::move(member)});
        } while (Take(','));
        return Take('}') || Failed("',' or '}' was expected");
    }

    bool Array(JsonValue& value, int depth) {
        value.kind = JsonValue::Kind::Array;
        ++pos_;
        if (Take(']')) return true;
        do {
            JsonValue item;
            if (!Value(item, depth)) return false;
            value.items.push_back(std::move(item));
        } while (Take(','));
        return Take(']') || Failed("',' or ']' was expected");
    }

    bool Digits() {
        const std::size_t start = pos_;
        while (pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9')
            ++pos_;
        return pos_ > start;
    }

    bool Number(JsonValue& value) {
        const std::size_t start = pos_;
        if (text_[pos_] == '-') ++pos_;
        if (pos_ < text_.size() && text_[pos_] == '0') {
            ++pos_;
        } else if (!Digits()) {
            return Failed("a digit was expected");
        }
        if (pos_ < text_.size() && text_[pos_] == '.') {
            ++pos_;
            if (!Digits()) return Failed("a digit was expected");
        }
        if (pos_ < text_.size() && (text_[pos_] == 'e' || text_[pos_] == 'E')) {
            ++pos_;
            if (pos_ < text_.size() && (text_[pos_] == '+' || text_[pos_] == '-')) ++pos_;
            if (!Digits()) return Failed("a digit was expected");
        }
        value.kind = JsonValue::Kind::Number;
        value.text = std::string(text_.substr(start, pos_ - start));
        return true;
    }

    bool Hex4(char32_t& unit) {
        if (pos_ + 4 > text_.size()) return Failed("four hex digits were expected");
        unit = 0;
        for (int i = 0; i < 4; ++i) {
            const char h = text_[pos_++];
            int digit = -1;
            if (h >= '0' && h <= '9') digit = h - '0';
            if (h >= 'a' && h <= 'f') digit = h - 'a' + 10;
            if (h >= 'A' && h <= 'F') digit = h - 'A' + 10;
            if (digit < 0) return Failed("four hex digits were expected");
            unit = (unit << 4) | static_cast<char32_t>(digit);
        }
        return true;
    }

    bool Escape(std::string& out) {
        if (pos_ >= text_.size()) return Failed("unexpected end of text");
        const char c = text_[pos_++];
        switch (c) {
            case '"':
            case '\\':
            case '/':
                out += c;
                return true;
            case 'b':
                out += '\b';
                return true;
            case 'f':
                out += '\f';
                return true;
            case 'n':
                out += '\n';
                return true;
            case 'r':
                out += '\r';
                return true;
            case 't':
                out += '\t';
                return true;
            case 'u':
                break;
            default:
                return Failed("an unknown escape");
        }
        char32_t unit = 0;
        if (!Hex4(unit)) return false;
        if (unit >= 0xDC00 && unit <= 0xDFFF) return Failed("a lone low surrogate");
        if (unit >= 0xD800 && unit <= 0xDBFF) {
            char32_t low = 0;
            if (!Word("\\u") || !Hex4(low) || low < 0xDC00 || low > 0xDFFF)
                return Failed("a high surrogate without its low surrogate");
            unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
        }
        AppendUtf8(out, unit);
        return true;
    }

    bool String(std::string& out) {
        ++pos_;  // the opening quote
        while (pos_ < text_.size()) {
            const auto c = static_cast<uint8_t>(text_[pos_]);
            if (c == '"') {
                ++pos_;
                return true;
            }
            if (c < 0x20) return Failed("a control character in a string");
            if (c == '\\') {
                ++pos_;
                if (!Escape(out)) return false;
                continue;
            }
            const std::size_t length = Utf8SequenceLength(text_, pos_);
            if (length == 0) return Failed("a string that is not valid UTF-8");
            out.append(text_.substr(pos_, length));
            pos_ += length;
        }
        return Failed("a string without its closing quote");
    }

    std::string_view text_;
    JsonParseError& error_;
    std::size_t pos_ = 0;
};

}  // namespace

const JsonValue* JsonValue::Find(std::string_view name) const {
    for (const auto& [memberName, member] : members)
        if (memberName == name) return &member;
    return nullptr;
}

std::optional<long long> JsonValue::Integer() const {
    if (kind != Kind::Number || text.find_first_of(".eE") != std::string::npos) return std::nullopt;
    errno = 0;
    char* end = nullptr;
    const long long value = std::strtoll(text.c_str(), &end, 10);
    if (errno == ERANGE || end != text.c_str() + text.size()) return std::nullopt;
    return value;
}

std::optional<JsonValue> ParseJson(std::string_view text, JsonParseError& error) {
    return JsonReader(text, error).Document();
}

}  // namespace voltaro
