// voltaro-cli loop-test and preset: the output loop tests of meters with analogue
// outputs and of ZB types (status, on, off, test values), and the preset of an energy,
// the operating time or a counter by the name of its label.
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <string>
#include <vector>

#include "cli/cli_command.h"
#include "cli/maintenance_support.h"
#include "cli/zc_maintenance.h"
#include "core/comm/modbus_interface.h"
#include "core/device/device_link.h"
#include "core/device/loop_test.h"
#include "core/device/loop_test_zc.h"
#include "core/model/device_registers.h"
#include "core/model/value_helpers.h"
#include "core/monitor/energy_preset.h"
#include "core/monitor/measurand_store.h"
#include "core/platform/list_text_ids.h"
#include "core/platform/message_format.h"
#include "core/platform/message_ids.h"
#include "core/platform/private_exception.h"
#include "core/platform/string_table.h"
#include "core/platform/ui_text_ids.h"

namespace voltaro::cli {
namespace {

std::string StatusText(const LoopTestStatus& status) {
    if (status.analogOutputs) return FormatMessageId(kMsgLoopTestAoOn, {});
    if (status.channels.empty()) return FormatMessageId(kMsgLoopTestOff, {});
    std::string channels;
    for (int c : status.channels)
        channels += (channels.empty() ? "" : ", ") + std::to_string(c + 1);
    return FormatMessageId(kMsgLoopTestChannelsOn, {channels});
}

std::string AoValuesText(const AoLoopState& state) {
    const LoopValueRange r = AoValueRange(state.currentOutput);
    std::string text;
    for (int i = 0; i < kAoTestValues; ++i)
        text += (i ? " " : "") + LoadString(kTextsAnalogOutput + i) + "=" +
                FormatScaledValue(state.values[static_cast<std::size_t>(i)], r.scale);
    return text;
}

std::string ZbValueText(int item, int32_t value) {
    return std::to_string(item) + "=" +
           FormatScaledValue(value, LoopValueRangeOf(ZbItemKind(item)).scale);
}

// Applies NAME=VALUE arguments to the analogue output levels; false after a usage error.
bool ApplyAoValues(const std::vector<std::string>& items, AoLoopState& state, int& exitCode) {
    std::string names;
    for (int i = 0; i < kAoTestValues; ++i)
        names += (i ? ", " : "") + LoadString(kTextsAnalogOutput + i);
    for (const std::string& item : items) {
        const auto eq = item.find('=');
        int index = -1;
        for (int i = 0; eq != std::string::npos && i < kAoTestValues; ++i)
            if (SameName(item.substr(0, eq), LoadString(kTextsAnalogOutput + i))) index = i;
        if (index < 0) {
            exitCode =
                UsageError("loop-test", FormatMessageId(kMsgLoopTestValueArgument, {item, names}));
            return false;
        }
        try {
            state.values[static_cast<std::size_t>(index)] =
                ParseAoValue(index, state.currentOutput, item.substr(eq + 1));
        } catch (const CPrivateException& e) {
            exitCode = UsageError("loop-test", e.Message());
            return false;
        }
    }
    return true;
}

// The same for the ZB test values, named by their item numbers.
bool ApplyZbValues(const std::vector<std::string>& items, ZbLoopState& state, int& exitCode) {
    for (const std::string& item : items) {
        const auto eq = item.find('=');
        int index = -1;
        if (eq != std::string::npos && eq > 0 && eq <= 2 &&
            std::all_of(item.begin(), item.begin() + static_cast<long>(eq),
                        [](char c) { return std::isdigit(static_cast<unsigned char>(c)); }))
            index = std::stoi(item.substr(0, eq));
        if (index < 0 || ZbItemKind(index) == LoopValueKind::Fixed) {
            exitCode = UsageError("loop-test",
                                  FormatMessageId(kMsgLoopTestValueArgument, {item, "0-6, 8-29"}));
            return false;
        }
        try {
            state.values[static_cast<std::size_t>(index)] =
                ParseLoopValue(ZbItemKind(index), item.substr(eq + 1));
        } catch (const CPrivateException& e) {
            exitCode = UsageError("loop-test", e.Message());
            return false;
        }
    }
    return true;
}

// Applies ITEM=VALUE arguments (items 0 .. 28) to ZC test values; false after a usage
// error.
bool ApplyZcValues(const std::vector<std::string>& items, ZcLoopValues& values, int& exitCode) {
    for (const std::string& item : items) {
        const auto eq = item.find('=');
        int index = -1;
        if (eq != std::string::npos && eq > 0 && eq <= 2 &&
            item.substr(0, eq).find_first_not_of("0123456789") == std::string::npos)
            index = std::stoi(item.substr(0, eq));
        if (index < 0 || index >= kZcLoopItems) {
            exitCode =
                UsageError("loop-test", FormatMessageId(kMsgLoopTestValueArgument, {item, "0-28"}));
            return false;
        }
        try {
            ZcItem(values, index) = ParseLoopValue(ZcItemKind(index), item.substr(eq + 1));
        } catch (const CPrivateException& e) {
            exitCode = UsageError("loop-test", e.Message());
            return false;
        }
    }
    return true;
}

// The loop test of a ZC device, per channel.
int RunZcLoopTest(CModbusInterface& client, CliMaintenanceInteraction& ui, int channel,
                  const std::string& action, const std::vector<std::string>& items) {
    if (action == "status") {
        LoopTestStatus status;
        const int count = ReadZcChannelCount(client);
        for (int c = 0; c < count; ++c)
            if (ReadZcLoopFlag(client, c)) status.channels.push_back(c);
        PrintLine(StatusText(status));
        return kExitOk;
    }
    const std::string shown = "channel " + std::to_string(channel + 1);
    if (action == "on" || action == "off") {
        if (!SetZcLoopTest(client, ui, channel, action == "on"))
            return Failure("loop-test", FormatMessageId(kMsgPasscodeRefused, {}));
        PrintLine(action == "on" ? FormatMessageId(kMsgLoopTestSwitchedOn, {shown})
                                 : FormatMessageId(kMsgLoopTestSwitchedOff, {}));
        return kExitOk;
    }
    ZcLoopValues values = ReadZcLoopValues(client, channel);
    int exitCode = kExitOk;
    if (!ApplyZcValues(items, values, exitCode)) return exitCode;
    if (!ReadZcLoopFlag(client, channel))
        return Failure("loop-test", FormatMessageId(kMsgLoopTestNotOn, {}));
    // The common voltages and frequency are written only while channel 1 is in loop-test
    // mode; otherwise the device's own would be reported as written.
    const bool common = std::any_of(items.begin(), items.end(), [](const std::string& item) {
        return std::stoi(item.substr(0, item.find('='))) < kZcCommonValues;
    });
    if (common && !ReadZcLoopFlag(client, 0))
        return Failure("loop-test", LoadString(kTextLoopTestZcNote));
    if (!WriteZcLoopValues(client, ui, channel, values))
        return Failure("loop-test", FormatMessageId(kMsgPasscodeRefused, {}));
    std::string written;
    for (const std::string& item : items) {
        const int index = std::stoi(item.substr(0, item.find('=')));
        written +=
            (written.empty() ? "" : " ") + std::to_string(index) + "=" +
            FormatScaledValue(ZcItem(values, index), LoopValueRangeOf(ZcItemKind(index)).scale);
    }
    PrintLine(FormatMessageId(kMsgLoopTestValuesWritten, {written}));
    return kExitOk;
}

int RunLoopTest(const std::vector<std::string>& raw) {
    MaintenanceArguments args;
    int exitCode = kExitOk;
    if (!ParseMaintenanceArguments("loop-test", raw, args, exitCode)) return exitCode;
    std::vector<std::string> rest = args.connection.rest;
    if (rest.empty() ||
        (rest[0] != "status" && rest[0] != "on" && rest[0] != "off" && rest[0] != "values"))
        return UsageError("loop-test", "needs status, on, off or values NAME=VALUE ...");
    const std::string action = rest[0];
    rest.erase(rest.begin());
    if (action != "values" && !rest.empty())
        return UsageError("loop-test", "unexpected argument \"" + rest[0] + "\"");
    if (action == "values" && rest.empty())
        return UsageError("loop-test", "values needs NAME=VALUE ...");
    try {
        CModbusInterface client(args.connection.settings);
        const CDeviceType type = IdentifyDevice(client);
        const bool zb = type.HasFeature(0, FAM_ZB);
        const bool zc = type.HasFeature(0, FAM_ZC);
        if (!zb && !zc && !HasAnalogOutputs(type))
            return Failure("loop-test", FormatMessageId(kMsgNoLoopTest, {}));
        if (!CheckChannel("loop-test", args, type)) return kExitUsage;
        CliMaintenanceInteraction ui("loop-test", args.passcode, args.remember, args.yes);
        if (action == "on" && !ui.Confirm(LoadString(kMsgLoopTestWarning)))
            return Failure("loop-test", FormatMessageId(kMsgNotConfirmed, {}));
        if (zc) return RunZcLoopTest(client, ui, args.channel, action, rest);
        if (action == "status") {
            PrintLine(StatusText(ReadLoopTestStatus(client, type)));
            return kExitOk;
        }
        const bool on = action != "off";
        bool written = false;
        std::string shown;
        if (zb) {
            ZbLoopState state = ReadZbLoopTest(client, args.channel);
            if (!ApplyZbValues(rest, state, exitCode)) return exitCode;
            if (action == "values" && !state.loopTest)
                return Failure("loop-test", FormatMessageId(kMsgLoopTestNotOn, {}));
            written = action == "values"
                          ? WriteZbValues(client, ui, args.channel, state.values)
                          : SetZbLoopTest(client, ui, args.channel, on, state.values);
            for (const std::string& item : rest) {
                const int index = std::stoi(item.substr(0, item.find('=')));
                shown += (shown.empty() ? "" : " ") +
                         ZbValueText(index, state.values[static_cast<std::size_t>(index)]);
            }
            if (shown.empty()) shown = "channel " + std::to_string(args.channel + 1);
        } else {
            AoLoopState state = ReadAoLoopTest(client);
            if (!ApplyAoValues(rest, state, exitCode)) return exitCode;
            if (action == "values" && !state.loopTest)
                return Failure("loop-test", FormatMessageId(kMsgLoopTestNotOn, {}));
            written = action == "values" ? WriteAoValues(client, ui, state.values)
                                         : SetAoLoopTest(client, ui, on, state.values);
            shown = AoValuesText(state);
        }
        if (!written) return Failure("loop-test", FormatMessageId(kMsgPasscodeRefused, {}));
        if (action == "off")
            PrintLine(FormatMessageId(kMsgLoopTestSwitchedOff, {}));
        else
            PrintLine(FormatMessageId(
                action == "on" ? kMsgLoopTestSwitchedOn : kMsgLoopTestValuesWritten, {shown}));
    } catch (const CPrivateException& e) {
        return Failure("loop-test", e.Message());
    }
    return kExitOk;
}

// The preset entries whose label is name, in table order (first tariff first).
std::vector<const PresetEntry*> EntriesNamed(const std::string& name) {
    std::vector<const PresetEntry*> found;
    for (const PresetEntry& e : PresetTable())
        if (SameName(LoadString(e.labelId), name)) found.push_back(&e);
    return found;
}

std::string PresetNames() {
    std::vector<std::string> names;
    for (const PresetEntry& e : PresetTable()) {
        const std::string label = LoadString(e.labelId);
        if (std::find(names.begin(), names.end(), label) == names.end()) names.push_back(label);
    }
    std::string text;
    for (const std::string& n : names)
        text += (text.empty() ? "\"" : ", \"") + n + "\"";
    return text;
}

bool MeasuredWordsSwapped(CModbusInterface& client) {
    CDeviceLink link(client);
    return ReadOneRegister(client, kMeasuredWordOrderRegister) == 1;
}

int RunPreset(const std::vector<std::string>& raw) {
    MaintenanceArguments args;
    int exitCode = kExitOk;
    if (!ParseMaintenanceArguments("preset", raw, args, exitCode)) return exitCode;
    std::vector<std::string>& rest = args.connection.rest;
    std::string error;
    const std::optional<std::string> tariff = TakeOption(rest, "--tariff", error);
    if (!error.empty()) return UsageError("preset", error);
    if (tariff && *tariff != "1" && *tariff != "2")
        return UsageError("preset", "--tariff must be 1 or 2");
    if (rest.size() != 2) return UsageError("preset", "needs NAME VALUE");
    const std::vector<const PresetEntry*> entries = EntriesNamed(rest[0]);
    const auto unknown = [&] {
        return UsageError("preset", FormatMessageId(kMsgPresetUnknown, {rest[0], PresetNames()}));
    };
    if (entries.empty() && !IsZcPresetName(rest[0])) return unknown();
    try {
        CModbusInterface client(args.connection.settings);
        const CDeviceType type = IdentifyDevice(client);
        if (type.HasFeature(0, FAM_ZC))
            return RunZcPreset(args, rest[0], rest[1], tariff.has_value(), client, type);
        if (entries.empty()) return unknown();
        const std::size_t which = tariff && *tariff == "2" ? 1 : 0;
        const PresetEntry& entry = *entries[std::min(which, entries.size() - 1)];
        int64_t scaled = 0;
        try {
            scaled = ParsePresetInput(entry, rest[1]);
        } catch (const CPrivateException& e) {
            return UsageError("preset", e.Message());
        }
        if (!CheckChannel("preset", args, type)) return kExitUsage;
        const std::string label = LoadString(entry.labelId);
        if (entry.kind == kPresetCounter &&
            entry.index - kIdxCounter1 >= type.ioConfig[kIoCounters])
            return Failure("preset", FormatMessageId(kMsgPresetNotOnDevice, {label}));
        CliMaintenanceInteraction ui("preset", args.passcode, args.remember, args.yes);
        if (!ui.Confirm(LoadString(kMsgAreYouSure)))
            return Failure("preset", FormatMessageId(kMsgNotConfirmed, {}));
        const PresetWords words = PresetWordsOf(entry.kind, scaled);
        if (!WritePreset(client, ui, entry, args.channel, words, MeasuredWordsSwapped(client)))
            return Failure("preset", FormatMessageId(kMsgPasscodeRefused, {}));
        PrintLine(
            FormatMessageId(kMsgPresetWritten,
                            {label, FormatScaledValue(scaled, PresetRangeOf(entry.kind).scale)}));
    } catch (const CPrivateException& e) {
        return Failure("preset", e.Message());
    }
    return kExitOk;
}

const CommandRegistrar kLoopTest(
    "loop-test",
    std::string("loop-test status|on|off|values NAME=VALUE... [--channel 1|2] [--yes] "
                "[--passcode N [--remember]] ") +
        ConnectionOptionsUsage(),
    RunLoopTest);
const CommandRegistrar kPreset("preset",
                               std::string("preset NAME VALUE [--tariff 1|2] "
                                           "[--channel 1|2 (ZC: 1..16)] "
                                           "[--yes] [--passcode N [--remember]] ") +
                                   ConnectionOptionsUsage(),
                               RunPreset);

}  // namespace
}  // namespace voltaro::cli
