// Fuzz target: the JSON reader and the configuration import on any text. A text the
// reader takes, written again, reads as the same value; the import either refuses the
// text with a program exception or gives an image that the configuration file loader
// takes as it is.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/files/config_file.h"
#include "core/files/config_import.h"
#include "core/platform/json_text.h"
#include "core/platform/private_exception.h"
#include "core/platform/profile.h"

namespace {

using voltaro::JsonValue;

std::string Write(const JsonValue& value) {
    switch (value.kind) {
        case JsonValue::Kind::Null:
            return "null";
        case JsonValue::Kind::Boolean:
            return value.boolean ? "true" : "false";
        case JsonValue::Kind::Number:
            return value.text;
        case JsonValue::Kind::String:
            return voltaro::JsonString(value.text);
        case JsonValue::Kind::Array: {
            std::string out = "[";
            for (const JsonValue& item : value.items)
                out += (out.size() > 1 ? "," : "") + Write(item);
            return out + "]";
        }
        case JsonValue::Kind::Object: {
            std::string out = "{";
            for (const auto& [name, member] : value.members)
                out +=
                    (out.size() > 1 ? "," : "") + voltaro::JsonString(name) + ":" + Write(member);
            return out + "}";
        }
    }
    return {};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    using namespace voltaro;
    const std::string text(reinterpret_cast<const char*>(data), size);
    JsonParseError error;
    if (const std::optional<JsonValue> value = ParseJson(text, error)) {
        const std::string written = Write(*value);
        const std::optional<JsonValue> again = ParseJson(written, error);
        if (!again || Write(*again) != written) __builtin_trap();
    } else if (error.what.empty() || error.line < 1 || error.column < 1) {
        __builtin_trap();
    }
    try {
        const ParameterImage image = ImportConfigJson(text, "fuzz.json");
        CIniFile ini;
        StoreConfig(ini, image);
        ReadConfig(ini);  // throws (and so fails the run) when the import let a bad value in
    } catch (const CPrivateException&) {
    }
    return 0;
}
