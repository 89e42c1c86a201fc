// Configurations as text: export to JSON and text, import back with its refusals, and the
// diff of two images.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "core/files/config_diff.h"
#include "core/files/config_file.h"
#include "core/files/config_import.h"
#include "core/files/config_text.h"
#include "core/model/parameter_check.h"
#include "core/model/parameter_ranges.h"
#include "core/model/parameter_words.h"
#include "core/model/settings_stocker.h"
#include "core/platform/json_text.h"
#include "core/platform/profile.h"
#include "core/platform/string_table.h"
#include "support/test_support.h"

namespace voltaro {
namespace {

using test::MessageOf;
using ::testing::HasSubstr;
using ::testing::Not;

constexpr int kRow = 4;  // a KT2 with Modbus

// The configuration file text that a save of image writes.
std::string CfgText(const ParameterImage& image) {
    CIniFile ini;
    StoreConfig(ini, image);
    return ini.Text();
}

std::string Replace(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
}

// The export line of key, from its "{" to its "}".
std::string LineOf(const std::string& json, const std::string& key) {
    const std::size_t at = json.find("{\"key\": \"" + key + "\"");
    if (at == std::string::npos) return {};
    return json.substr(at, json.find('}', at) + 1 - at);
}

std::string ImportRefusal(const std::string& json) {
    return MessageOf([&] { ImportConfigJson(json, "in.json"); });
}

// Row kRow with values off their defaults in every kind of word.
ParameterImage ModifiedImage() {
    ParameterImage image = DefaultImageOfRow(kRow);
    image.words[kWordSystem] = 1;
    image.Set32(kWordPrimaryVoltage, 6600);
    image.words[kWordPrimaryCurrent] = 250;
    image.words[kWordLowEndCutoutCurrent] = 25;
    image.Set32(AlarmLowWord(kAlarmItemActivePower), static_cast<uint32_t>(-100));
    return image;
}

TEST(ConfigKeys, AreUniqueAsciiAndLeadBackToTheirWord) {
    std::set<std::string> keys;
    for (int word = 0; word < kImageWords; ++word) {
        const std::string& key = ConfigKey(word);
        if (key.empty()) continue;
        EXPECT_TRUE(keys.insert(key).second) << key;
        EXPECT_EQ(ConfigKeyWord(key), word) << key;
        EXPECT_EQ(key.find_first_not_of("abcdefghijklmnopqrstuvwxyz0123456789_."),
                  std::string::npos)
            << key;
    }
    EXPECT_GT(keys.size(), 300u);
    EXPECT_EQ(ConfigKeyWord("no.such_key"), -1);
    // Two bargraph entries share group and name: the later one is told apart by its number.
    EXPECT_EQ(ConfigKey(88), ConfigKey(kWordBarCurrent) + "_2");
}

TEST(ConfigExport, ImportGivesTheSameFileForEveryListedRow) {
    for (const ModelPair& pair : ModelPairTable()) {
        const ParameterImage image = DefaultImageOfRow(pair.row);
        const std::string json = ExportConfigJson(image);
        ParameterImage back;
        ASSERT_EQ(MessageOf([&] { back = ImportConfigJson(json, "x.json"); }), test::kNoException)
            << "row " << pair.row;
        EXPECT_EQ(CfgText(back), CfgText(image)) << "row " << pair.row;
        EXPECT_EQ(back.deviceType.typeIndex, pair.row);
    }
}

TEST(ConfigExport, ImportKeepsChangedValuesAndWordsThatTheModelStoresButDoesNotUse) {
    ParameterImage modified = ModifiedImage();
    EXPECT_EQ(CfgText(ImportConfigJson(ExportConfigJson(modified), "m.json")), CfgText(modified));

    // A model change keeps words that the new model stores without using them (the display
    // of a row without one): they must come back too, not as their defaults.
    for (const ModelPair& pair : ModelPairTable()) {
        ParameterImage image = DefaultImageOfRow(pair.row);
        if (image.Applies(kWordDisplayOperationMode)) continue;
        bool stored = false;
        for (int word : StoredEntryWords(image))
            stored = stored || word == kWordDisplayOperationMode;
        if (!stored) continue;
        image.words[kWordDisplayOperationMode] = 7;
        const std::string json = ExportConfigJson(image);
        EXPECT_THAT(LineOf(json, ConfigKey(kWordDisplayOperationMode)),
                    HasSubstr("\"value\": 7, \"text\": \"\""));
        EXPECT_EQ(CfgText(ImportConfigJson(json, "d.json")), CfgText(image)) << pair.row;
        return;
    }
    ADD_FAILURE() << "no row stores the display words without using them";
}

TEST(ConfigExport, OneChangedParameterChangesOneLineAndTheTextAgrees) {
    const ParameterImage base = DefaultImageOfRow(kRow);
    const ParameterImage modified = ModifiedImage();
    for (const auto& format : {&ExportConfigJson, &ExportConfigText}) {
        ParameterImage one = base;
        one.Set32(kWordPrimaryVoltage, 6600);
        const std::string a = format(base);
        const std::string b = format(one);
        int changed = 0;
        std::size_t i = 0;
        std::size_t j = 0;
        while (i < a.size() && j < b.size()) {
            const std::size_t ei = a.find('\n', i);
            const std::size_t ej = b.find('\n', j);
            if (a.substr(i, ei - i) != b.substr(j, ej - j)) {
                ++changed;
                EXPECT_THAT(b.substr(j, ej - j), HasSubstr(ConfigKey(kWordPrimaryVoltage)));
                EXPECT_THAT(b.substr(j, ej - j), HasSubstr("6600"));
            }
            i = ei + 1;
            j = ej + 1;
        }
        EXPECT_EQ(changed, 1);
    }
    // Value and text side by side, grouped; a signed word shows its sign.
    const std::string json = ExportConfigJson(modified);
    EXPECT_THAT(LineOf(json, ConfigKey(kWordSystem)),
                HasSubstr("\"value\": 1, \"text\": \"" + modified.ValueText(kWordSystem) + "\""));
    EXPECT_THAT(LineOf(json, ConfigKey(AlarmLowWord(kAlarmItemActivePower))),
                HasSubstr("\"value\": -100,"));
    JsonParseError error;
    const std::optional<JsonValue> parsed = ParseJson(json, error);
    ASSERT_TRUE(parsed) << error.what;
    std::set<std::string> groups;
    for (const JsonValue& group : parsed->Find("groups")->items)
        EXPECT_TRUE(groups.insert(group.Find("group")->text).second) << "group split in two";
    EXPECT_THAT(ExportConfigText(modified), HasSubstr("\n" + ConfigKey(kWordSystem) + " = 1\t" +
                                                      modified.ParameterName(kWordSystem) + "\t" +
                                                      modified.ValueText(kWordSystem) + "\n"));
}

TEST(ConfigExport, IsTheSameInEveryLanguage) {
    const ParameterImage image = ModifiedImage();
    const std::string json = ExportConfigJson(image);
    const std::string text = ExportConfigText(image);
    // Another language: every text replaced.
    std::vector<std::string> texts;
    for (const StringEntry& e : EnglishStringTable())
        texts.push_back(std::string("\xE8\xA8\x80 ") + (e.text ? e.text : ""));
    std::vector<StringEntry> other;
    std::size_t i = 0;
    for (const StringEntry& e : EnglishStringTable())
        other.push_back({e.id, texts[i++].c_str()});
    SetActiveStringTable(other);
    const std::string groupName = image.GroupName(kWordSystem);
    const std::string jsonOther = ExportConfigJson(image);
    const std::string textOther = ExportConfigText(image);
    const std::string after = image.GroupName(kWordSystem);
    SetActiveStringTable({});

    EXPECT_THAT(groupName, HasSubstr("\xE8\xA8\x80 "));
    EXPECT_EQ(after, groupName) << "the export left the English texts on";
    EXPECT_EQ(jsonOther, json);
    EXPECT_EQ(textOther, text);
    EXPECT_THAT(json, Not(HasSubstr("\xE8\xA8\x80")));
}

TEST(ConfigImport, RefusesBadValuesNamingTheParameterAndWhatIsAllowed) {
    const ParameterImage image = DefaultImageOfRow(kRow);
    const std::string json = ExportConfigJson(image);
    const std::string systemKey = ConfigKey(kWordSystem);
    const std::string systemLine = LineOf(json, systemKey);
    const std::string systemGroupName =
        image.GroupName(kWordSystem) + " - " + image.ParameterName(kWordSystem);
    const std::string allowed = AllowedValuesOf(image.deviceType, kWordSystem).Text();

    // A code that the list does not have.
    std::string message = ImportRefusal(
        Replace(json, systemLine,
                Replace(systemLine, "\"value\": " + std::to_string(image.words[kWordSystem]),
                        "\"value\": 99")));
    EXPECT_THAT(message, HasSubstr(systemKey));
    EXPECT_THAT(message, HasSubstr(systemGroupName));
    EXPECT_THAT(message, HasSubstr("99; allowed: " + allowed));

    // A number that does not fit the word, and one that is no whole number.
    const std::string currentKey = ConfigKey(kWordPrimaryCurrent);
    const std::string currentLine = LineOf(json, currentKey);
    const std::string currentValue =
        "\"value\": " + std::to_string(RawEntryValue(image, kWordPrimaryCurrent));
    message = ImportRefusal(
        Replace(json, currentLine, Replace(currentLine, currentValue, "\"value\": 70000")));
    EXPECT_THAT(message, HasSubstr(currentKey));
    EXPECT_THAT(message, HasSubstr("70000; allowed: "));
    message = ImportRefusal(
        Replace(json, currentLine, Replace(currentLine, currentValue, "\"value\": 1.5")));
    EXPECT_THAT(message, HasSubstr(currentKey));
    EXPECT_THAT(message, HasSubstr("whole number"));
    message = ImportRefusal(
        Replace(json, currentLine, Replace(currentLine, currentValue, "\"value\": \"5\"")));
    EXPECT_THAT(message, HasSubstr("whole number"));

    // Two refusals at once are both told.
    std::string both =
        Replace(json, systemLine, Replace(systemLine, "\"value\": ", "\"value\": 9"));
    both = Replace(both, currentLine, Replace(currentLine, currentValue, "\"value\": 65536"));
    message = ImportRefusal(both);
    EXPECT_THAT(message, HasSubstr(systemKey));
    EXPECT_THAT(message, HasSubstr(currentKey));
}

TEST(ConfigImport, RefusesWhatTheSettingDialogsRefuse) {
    ParameterImage image = DefaultImageOfRow(test::RowWith(FEAT_MODBUS, 0));
    image.words[kWordT15] = 20;
    image.words[kWordT35] = 35;
    const std::string json = ExportConfigJson(image);
    ASSERT_EQ(MessageOf([&] { ImportConfigJson(json, "in.json"); }), test::kNoException);
    const auto edited = [&](int word, int64_t value) {
        const std::string line = LineOf(json, ConfigKey(word));
        const std::string old = "\"value\": " + std::to_string(RawEntryValue(image, word));
        return Replace(json, line, Replace(line, old, "\"value\": " + std::to_string(value)));
    };
    const auto with = [&](int word, int64_t value) { return ImportRefusal(edited(word, value)); };
    std::string message = with(kWordPrimaryCurrent, 0);
    EXPECT_THAT(message, HasSubstr(ConfigKey(kWordPrimaryCurrent)));
    EXPECT_THAT(message, HasSubstr("holds 0; allowed: 1 - 20000."));
    EXPECT_THAT(with(kWordPrimaryVoltage, 400001), HasSubstr("allowed: 50 - 400000."));
    EXPECT_THAT(with(kWordLowEndCutoutVoltage, 1000), HasSubstr("allowed: 0 - 999 (0.0 - 99.9)."));
    // t3.5 must lie above t1.5, whichever of the two is listed first.
    message = with(kWordT35, 20);
    EXPECT_THAT(message, HasSubstr(ConfigKey(kWordT35)));
    EXPECT_THAT(message, HasSubstr("holds 20; allowed: 21 - 60 (2.1 - 6.0)."));
    EXPECT_THAT(with(kWordT15, 40), HasSubstr("\"" + ConfigKey(kWordT35) + "\""));
    EXPECT_EQ(with(kWordT35, 21), test::kNoException);
}

// The import of the first listed row that uses word and passes accept, its defaults
// changed by prepare and then word set to value: the refusal, or kNoException.
std::string RefusalWith(int word, int64_t value,
                        const std::function<void(ParameterImage&)>& prepare = {},
                        const std::function<bool(const CDeviceType&)>& accept = {}) {
    for (const ModelPair& pair : ModelPairTable()) {
        ParameterImage image = DefaultImageOfRow(pair.row);
        if (!image.Applies(word) || (accept && !accept(image.deviceType))) continue;
        if (prepare) prepare(image);
        SetRawEntryValue(image, word, value);
        return ImportRefusal(ExportConfigJson(image));
    }
    ADD_FAILURE() << "no listed row uses word " << word;
    return {};
}

TEST(ConfigImport, RefusesDisplayAndAddressValuesOutsideTheDialogRanges) {
    std::string message = RefusalWith(kWordDeviceAddress, 248);
    EXPECT_THAT(message, HasSubstr(ConfigKey(kWordDeviceAddress)));
    EXPECT_THAT(message, HasSubstr("holds 248; allowed: 1 - 247."));
    EXPECT_THAT(RefusalWith(kWordDeviceAddress, 0), HasSubstr("allowed: 1 - 247."));
    EXPECT_EQ(RefusalWith(kWordDeviceAddress, 247), test::kNoException);

    EXPECT_THAT(RefusalWith(kWordDataDisplayView, 10000), HasSubstr("allowed: 0 - 9999."));
    EXPECT_EQ(RefusalWith(kWordDataDisplayView, 9999), test::kNoException);
    // 0 turns the "My Default" timer off; when on, it runs 1 to 999 seconds.
    EXPECT_EQ(RefusalWith(kWordDefaultTimer, 0), test::kNoException);
    EXPECT_THAT(RefusalWith(kWordDefaultTimer, 1000), HasSubstr("allowed: 1 - 999."));
    EXPECT_THAT(RefusalWith(kWordUpdateRate, 61, {}, HasExtendedDisplay),
                HasSubstr("allowed: 0 - 60."));
    // The off timer counts only in the automatic backlight mode.
    const auto mode = [](uint16_t value) {
        return [value](ParameterImage& image) { image.words[kWordBacklightMode] = value; };
    };
    EXPECT_THAT(RefusalWith(kWordBacklightOffTimer, 0, mode(kBacklightModeAuto)),
                HasSubstr("holds 0; allowed: 1 - 999."));
    EXPECT_EQ(RefusalWith(kWordBacklightOffTimer, 0, mode(kBacklightModeAuto + 1)),
              test::kNoException);
    // "My Default" data view -1 only where the type accepts it.
    const auto fromZero = [](const CDeviceType& type) {
        return DefaultDataViewRange(type).min == 0;
    };
    EXPECT_THAT(RefusalWith(kWordDefaultDataView, -1, {}, fromZero),
                HasSubstr("allowed: 0 - 9999."));
    EXPECT_EQ(RefusalWith(kWordDefaultDataView, -1, {}, std::not_fn(fromZero)), test::kNoException);
}

TEST(ConfigImport, RefusesAnalogueOutputBargraphAndSetpointValuesOutsideTheDialogRanges) {
    const int adjustZero = AnalogOutputWord(0, kAoAdjustZero);
    std::string message = RefusalWith(adjustZero, 501);
    EXPECT_THAT(message, HasSubstr(ConfigKey(adjustZero)));
    EXPECT_THAT(message, HasSubstr("allowed: -500 - 500 (-5.00 - 5.00)."));
    EXPECT_EQ(RefusalWith(adjustZero, -500), test::kNoException);
    // The output levels depend on the output kind; a later output has the same ranges.
    const auto volts = [](const CDeviceType& type) { return HasVoltageOutputs(type); };
    const int level = AnalogOutputWord(1, AoTableY(kAoTablePoints - 1));
    EXPECT_THAT(RefusalWith(level, 2241, {}, std::not_fn(volts)),
                HasSubstr("allowed: 160 - 2240 (1.60 - 22.40)."));
    EXPECT_THAT(RefusalWith(AnalogOutputWord(0, kAoInputFull), 14001),
                HasSubstr("allowed: -1500 - 14000 (-15.00 - 140.00)."));

    // A zero scale may be negative where the measurand is; a full scale never is.
    EXPECT_EQ(RefusalWith(BarScaleWord(kBarScaleActivePower, true), -5), test::kNoException);
    message = RefusalWith(BarScaleWord(kBarScaleActivePower, false), -5);
    EXPECT_THAT(message, HasSubstr(ConfigKey(BarScaleWord(kBarScaleActivePower, false))));
    EXPECT_THAT(message, HasSubstr("allowed: 0 - 2000000000."));
    EXPECT_THAT(RefusalWith(BarScaleWord(kBarScaleCurrent, true), 20000001),
                HasSubstr("allowed: 0 - 20000000 (0.000 - 20000.000)."));

    message = RefusalWith(AlarmLowWord(kAlarmItemFrequency), 4499);
    EXPECT_THAT(message, HasSubstr(ConfigKey(AlarmLowWord(kAlarmItemFrequency))));
    EXPECT_THAT(message, HasSubstr("allowed: 4500 - 6500 (45.00 - 65.00)."));
    EXPECT_THAT(RefusalWith(AlarmHighWord(0), -1), HasSubstr("allowed: 0 - 20000000"));
    EXPECT_EQ(RefusalWith(AlarmHighWord(kAlarmItemActivePower), -2000000000), test::kNoException);
}

TEST(ConfigImport, RefusesUnknownMissingRepeatedAndForeignKeys) {
    const ParameterImage image = DefaultImageOfRow(kRow);
    const std::string json = ExportConfigJson(image);
    const std::string key = ConfigKey(kWordPrimaryCurrent);
    const std::string line = LineOf(json, key);

    EXPECT_THAT(ImportRefusal(Replace(json, "\"key\": \"" + key, "\"key\": \"input.no_such")),
                HasSubstr("\"input.no_such\" is no parameter"));
    std::string message = ImportRefusal(Replace(json, line + ",\n", ""));
    EXPECT_THAT(message, HasSubstr(key));
    EXPECT_THAT(message, HasSubstr("missing"));
    EXPECT_THAT(ImportRefusal(Replace(json, line, line + ",\n" + line)),
                HasSubstr("\"" + key + "\" is given more than once"));

    // A key of another model's parameter (the Modbus-TCP port on a serial meter).
    ASSERT_FALSE(image.Applies(kWordPort));
    const std::string port = "{\"key\": \"" + ConfigKey(kWordPort) + "\", \"value\": 502}";
    message = ImportRefusal(Replace(json, line, line + ",\n" + port));
    EXPECT_THAT(message, HasSubstr(ConfigKey(kWordPort)));
    EXPECT_THAT(message, HasSubstr(image.ParameterName(kWordPort)));
}

TEST(ConfigImport, RefusesAWrongModelAndFilesThatAreNoExport) {
    const ParameterImage image = DefaultImageOfRow(kRow);
    const std::string json = ExportConfigJson(image);
    EXPECT_THAT(ImportRefusal(Replace(json, "\"row\": 4", "\"row\": 5")),
                HasSubstr("\"row\" is 5, but the model's identification is that of row 4"));
    EXPECT_THAT(ImportRefusal(Replace(json, "\"deviceId\": 7811", "\"deviceId\": 1234")),
                HasSubstr("Model=1234"));
    // Another model's identification with this model's parameters: the parameters that the
    // other model lacks or adds are named.
    const ParameterImage other = DefaultImageOfRow(5);
    std::string foreignModel = json.substr(0, json.find("\"model\""));
    const std::string otherJson = ExportConfigJson(other);
    const std::size_t modelAt = otherJson.find("\"model\"");
    foreignModel += otherJson.substr(modelAt, otherJson.find('\n', modelAt) - modelAt + 1);
    foreignModel += json.substr(json.find("  \"groups\""));
    EXPECT_THAT(ImportRefusal(foreignModel), HasSubstr("is missing"));

    EXPECT_THAT(ImportRefusal(json.substr(0, json.size() / 2)),
                HasSubstr("in.json is no valid JSON"));
    EXPECT_THAT(ImportRefusal("{\"format\": 1}\n"), HasSubstr("\"format\""));
    EXPECT_THAT(ImportRefusal("[]"), HasSubstr("no exported configuration"));
    EXPECT_THAT(ImportRefusal(Replace(json, "\"version\": 1", "\"version\": 2")),
                HasSubstr("\"version\""));
}

TEST(ConfigDiffTest, ListsChangedParametersByGroupAndTheModelFirst) {
    const ParameterImage base = DefaultImageOfRow(kRow);
    EXPECT_TRUE(DiffConfigs(base, base).Same());

    const ParameterImage modified = ModifiedImage();
    ConfigDiff diff = DiffConfigs(base, modified);
    EXPECT_FALSE(diff.modelDiffers);
    ASSERT_EQ(diff.CountOf(ConfigDifferenceKind::Different), 5);
    EXPECT_EQ(diff.rows[0].key, ConfigKey(kWordSystem));  // report order
    EXPECT_EQ(diff.rows[0].group, base.GroupName(kWordSystem));
    EXPECT_EQ(diff.rows[0].textA, base.ValueText(kWordSystem));
    EXPECT_EQ(diff.rows[0].textB, modified.ValueText(kWordSystem));

    // A model with analogue outputs against one without: the model, then the parameters of
    // one side only as such.
    const int withOutputs = test::RowWith(FEAT_AO1, 0);
    const ParameterImage other = DefaultImageOfRow(withOutputs);
    diff = DiffConfigs(base, other);
    EXPECT_TRUE(diff.modelDiffers);
    EXPECT_NE(diff.modelA, diff.modelB);
    EXPECT_GT(diff.CountOf(ConfigDifferenceKind::OnlyInB), 0);
    for (const ConfigDifference& row : diff.rows) {
        if (row.kind == ConfigDifferenceKind::OnlyInB) {
            EXPECT_TRUE(row.textA.empty()) << row.key;
            EXPECT_FALSE(row.textB.empty()) << row.key;
        }
    }
    const std::string json = ConfigDiffJson(diff);
    JsonParseError error;
    ASSERT_TRUE(ParseJson(json, error)) << error.what;
    EXPECT_THAT(json, HasSubstr("\"same\": false,\n  \"model\": {\"a\": "));
    EXPECT_THAT(json, HasSubstr("\"state\": \"only-b\""));
    EXPECT_THAT(ConfigDiffJson(DiffConfigs(base, base)),
                HasSubstr("\"same\": true,\n  \"model\": null,\n  \"differences\": []"));
}

}  // namespace
}  // namespace voltaro
