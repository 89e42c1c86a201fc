// The import of a JSON export into a parameter image.
#include "core/files/config_import.h"

#include <array>
#include <optional>
#include <set>
#include <vector>

#include "core/files/config_file.h"
#include "core/files/config_text.h"
#include "core/model/model_list.h"
#include "core/model/parameter_check.h"
#include "core/model/parameter_ranges.h"
#include "core/platform/config_text_ids.h"
#include "core/platform/json_text.h"
#include "core/platform/message_format.h"
#include "core/platform/private_exception.h"
#include "core/platform/profile.h"

namespace voltaro {
namespace {

using Kind = JsonValue::Kind;

[[noreturn]] void NotAnExport(const char* member) {
    throw CPrivateException(FormatMessageId(kTextConfigNotExport, {member}));
}

const JsonValue& Member(const JsonValue& object, const char* name, Kind kind) {
    const JsonValue* member = object.Find(name);
    if (member == nullptr || member->kind != kind) NotAnExport(name);
    return *member;
}

uint16_t RegisterMember(const JsonValue& value, const char* name) {
    const std::optional<long long> number = value.Integer();
    if (!number || *number < 0 || *number > UINT16_MAX) NotAnExport(name);
    return static_cast<uint16_t>(*number);
}

// The device type of the "model" member, refused as the configuration file loader
// refuses an identification; a "row" that does not match it is refused too.
CDeviceType ReadModel(const JsonValue& root) {
    const JsonValue& model = Member(root, "model", Kind::Object);
    const uint16_t id = RegisterMember(Member(model, "deviceId", Kind::Number), "deviceId");
    const uint16_t extension =
        RegisterMember(Member(model, "extension", Kind::Number), "extension");
    const uint16_t version = RegisterMember(Member(model, "version", Kind::Number), "version");
    const JsonValue& ioList = Member(model, "io", Kind::Array);
    std::array<uint16_t, 5> io{};
    if (ioList.items.size() != io.size()) NotAnExport("io");
    for (std::size_t i = 0; i < io.size(); ++i)
        io[i] = RegisterMember(ioList.items[i], "io");
    CDeviceType type = ConfigDeviceType(id, extension, version, io);
    if (const JsonValue* row = model.Find("row")) {
        const std::optional<long long> number = row->Integer();
        if (!number) NotAnExport("row");
        if (*number != type.typeIndex) {
            throw CPrivateException(
                FormatMessageId(kTextConfigRowMismatch, {*number, type.typeIndex}));
        }
    }
    return type;
}

// What is allowed for word on type, as a refusal names it.
std::string AllowedText(const CDeviceType& type, int word) {
    const AllowedValues allowed = AllowedValuesOf(type, word);
    if (!allowed.any) return allowed.Text();
    const RawRange range = RawEntryRange(word);
    return std::to_string(range.min) + " - " + std::to_string(range.max);
}

class Importer {
  public:
    explicit Importer(const CDeviceType& type) {
        image_.deviceType = type;
        for (int word : StoredEntryWords(image_))
            stored_.insert(word);
    }

    void Entry(const JsonValue& entry, int number, const std::string& group) {
        const JsonValue* key = entry.Find("key");
        const JsonValue* value = entry.Find("value");
        if (entry.kind != Kind::Object || key == nullptr || key->kind != Kind::String ||
            value == nullptr) {
            Refuse(FormatMessageId(kTextConfigBadEntry, {number, group}));
            return;
        }
        const int word = ConfigKeyWord(key->text);
        if (word < 0) {
            Refuse(FormatMessageId(kTextConfigUnknownKey, {key->text}));
            return;
        }
        if (stored_.count(word) == 0) {
            Refuse(Named(kTextConfigNotForModel, word, {ModelDisplayText(image_.deviceType)}));
            return;
        }
        if (!seen_.insert(word).second) {
            Refuse(FormatMessageId(kTextConfigDuplicate, {key->text}));
            return;
        }
        const std::optional<long long> number64 = value->Integer();
        if (!number64) {
            Refuse(Named(kTextConfigNotInteger, word, {}));
            return;
        }
        const RawRange range = RawEntryRange(word);
        const bool fits = *number64 >= range.min && *number64 <= range.max;
        // Choices count where the word is a parameter of the model (the loader's rule).
        const bool allowed =
            fits && (!image_.Applies(word) ||
                     IsAllowedValue(image_.deviceType, word, static_cast<uint16_t>(*number64)));
        if (!allowed) {
            Refuse(Named(kTextConfigOutOfRange, word,
                         {std::to_string(*number64), AllowedText(image_.deviceType, word)}));
            return;
        }
        SetRawEntryValue(image_, word, *number64);
        set_.push_back(word);
    }

    void Finish() {
        for (int word : stored_)
            if (seen_.count(word) == 0) Refuse(Named(kTextConfigMissing, word, {}));
        // The setting dialogs' ranges, once every value is in: a range may depend on
        // another word (t3.5 lies above t1.5).
        for (int word : set_) {
            if (!image_.Applies(word)) continue;
            const std::optional<FieldRange> range = DialogRangeOf(image_, word);
            const int64_t value = RawEntryValue(image_, word);
            if (range && (value < range->min || value > range->max)) {
                Refuse(Named(kTextConfigOutOfRange, word,
                             {std::to_string(value), FieldRangeText(*range)}));
            }
        }
        if (!refusals_.empty()) throw CPrivateException(refusals_);
    }

    const ParameterImage& Image() const { return image_; }

  private:
    // Message id with the key, group and name of word, then more.
    std::string Named(int id, int word, std::vector<MessageArg> more) const {
        std::vector<MessageArg> args{ConfigKey(word), image_.GroupName(word),
                                     image_.ParameterName(word)};
        args.insert(args.end(), more.begin(), more.end());
        return FormatMessageId(id, args);
    }
    void Refuse(const std::string& text) { refusals_ += (refusals_.empty() ? "" : "\r") + text; }

    ParameterImage image_;
    std::set<int> stored_;
    std::set<int> seen_;
    std::vector<int> set_;  // the words that took their value, in file order
    std::string refusals_;
};

}  // namespace

ParameterImage ImportConfigJson(std::string_view json, const std::string& source) {
    JsonParseError error;
    const std::optional<JsonValue> root = ParseJson(json, error);
    if (!root) {
        throw CPrivateException(FormatMessageId(kTextConfigJsonMalformed,
                                                {source, error.what, error.line, error.column}));
    }
    if (root->kind != Kind::Object) NotAnExport("format");
    const JsonValue& format = Member(*root, "format", Kind::String);
    if (format.text != kConfigExportFormat) NotAnExport("format");
    const std::optional<long long> version = Member(*root, "version", Kind::Number).Integer();
    if (version != kConfigExportVersion) NotAnExport("version");
    const CDeviceType type = ReadModel(*root);

    Importer importer(type);
    for (const JsonValue& group : Member(*root, "groups", Kind::Array).items) {
        if (group.kind != Kind::Object) NotAnExport("groups");
        const JsonValue* name = group.Find("group");
        const std::string groupName = name && name->kind == Kind::String ? name->text : "";
        const JsonValue& entries = Member(group, "parameters", Kind::Array);
        for (std::size_t i = 0; i < entries.items.size(); ++i)
            importer.Entry(entries.items[i], static_cast<int>(i + 1), groupName);
    }
    importer.Finish();

    // The loader's own checks on the file that a save would write, so that an import
    // accepts nothing that the loader would refuse afterwards.
    CIniFile ini;
    StoreConfig(ini, importer.Image());
    return ReadConfig(ini);
}

}  // namespace voltaro
