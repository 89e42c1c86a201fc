#pragma once
// A small strict JSON reader for tests that check machine-readable output: it refuses
// anything that is not one complete JSON value (trailing text, bad escapes, raw control
// characters in strings, trailing commas).
#include <cstdlib>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace voltaro::test {

struct JsonValue {
    enum class Type { Null, Bool, Number, String, Array, Object };
    Type type = Type::Null;
    bool boolean = false;
    double number = 0;
    std::string text;  // a string's value, a number's spelling
    std::vector<JsonValue> items;
    std::map<std::string, JsonValue> members;

    bool Has(const std::string& key) const { return members.count(key) != 0; }
    const JsonValue& operator[](const std::string& key) const {
        auto it = members.find(key);
        if (it == members.end()) throw std::runtime_error("no member " + key);
        return it->second;
    }
};

class JsonReader {
  public:
    // Throws std::runtime_error naming the offset of the first fault.
    static JsonValue Parse(const std::string& text) {
        JsonReader reader(text);
        JsonValue value = reader.Value();
        reader.Space();
        if (reader.at_ != text.size()) reader.Fail("text after the value");
        return value;
    }

  private:
    explicit JsonReader(const std::string& text) : s_(text) {}

    [[noreturn]] void Fail(const std::string& what) const {
        throw std::runtime_error(what + " at offset " + std::to_string(at_));
    }
    void Space() {
        while (at_ < s_.size() &&
               (s_[at_] == ' ' || s_[at_] == '\t' || s_[at_] == '\n' || s_[at_] == '\r'))
            ++at_;
    }
    bool Take(char c) {
        Space();
        if (at_ < s_.size() && s_[at_] == c) return ++at_, true;
        return false;
    }
    void Expect(char c) {
        if (!Take(c)) Fail(std::string("expected ") + c);
    }
    bool Word(const char* word) {
        const std::string w(word);
        if (s_.compare(at_, w.size(), w) != 0) return false;
        at_ += w.size();
        return true;
    }

    JsonValue Value() {
        Space();
        if (at_ >= s_.size()) Fail("end of text");
        JsonValue v;
        const char c = s_[at_];
        if (c == '{') {
            v.type = JsonValue::Type::Object;
            ++at_;
            if (Take('}')) return v;
            do {
                Space();
                const std::string key = String();
                Expect(':');
                if (!v.members.emplace(key, Value()).second) Fail("repeated key " + key);
            } while (Take(','));
            Expect('}');
        } else if (c == '[') {
            v.type = JsonValue::Type::Array;
            ++at_;
            if (Take(']')) return v;
            do
                v.items.push_back(Value());
            while (Take(','));
            Expect(']');
        } else if (c == '"') {
            v.type = JsonValue::Type::String;
            v.text = String();
        } else if (Word("null")) {
        } else if (Word("true")) {
            v.type = JsonValue::Type::Bool;
            v.boolean = true;
        } else if (Word("false")) {
            v.type = JsonValue::Type::Bool;
        } else {
            v.type = JsonValue::Type::Number;
            const std::size_t start = at_;
            if (s_[at_] == '-') ++at_;
            while (at_ < s_.size() &&
                   std::string("0123456789.eE+-").find(s_[at_]) != std::string::npos)
                ++at_;
            v.text = s_.substr(start, at_ - start);
            char* end = nullptr;
            v.number = std::strtod(v.text.c_str(), &end);
            if (v.text.empty() || end != v.text.c_str() + v.text.size()) Fail("bad number");
        }
        return v;
    }

    std::string String() {
        if (at_ >= s_.size() || s_[at_] != '"') Fail("expected a string");
        ++at_;
        std::string out;
        for (;;) {
            if (at_ >= s_.size()) Fail("unterminated string");
            const char c = s_[at_++];
            if (c == '"') return out;
            if (static_cast<unsigned char>(c) < 0x20) Fail("raw control character");
            if (c != '\\') {
                out += c;
                continue;
            }
            if (at_ >= s_.size()) Fail("cut escape");
            const char e = s_[at_++];
            switch (e) {
                case '"':
                    out += '"';
                    break;
                case '\\':
                    out += '\\';
                    break;
                case '/':
                    out += '/';
                    break;
                case 'n':
                    out += '\n';
                    break;
                case 'r':
                    out += '\r';
                    break;
                case 't':
                    out += '\t';
                    break;
                case 'b':
                    out += '\b';
                    break;
                case 'f':
                    out += '\f';
                    break;
                case 'u': {
                    if (at_ + 4 > s_.size()) Fail("cut \\u escape");
                    const unsigned long cp = std::strtoul(s_.substr(at_, 4).c_str(), nullptr, 16);
                    at_ += 4;
                    if (cp >= 0x80) Fail("test reader takes \\u escapes below 0x80 only");
                    out += static_cast<char>(cp);
                    break;
                }
                default:
                    Fail("bad escape");
            }
        }
    }

    const std::string& s_;
    std::size_t at_ = 0;
};

}  // namespace voltaro::test
