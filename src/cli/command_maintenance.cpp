// voltaro-cli clock, reset and tag: the device clock shown, set or synchronised with the
// PC; the resets of energies, maxima/minima, demand values and counters; the tag number
// shown or written. Writes run behind the passcode as for download.
#include <algorithm>
#include <array>
#include <cstdio>
#include <string>
#include <vector>

#include "cli/cli_command.h"
#include "cli/maintenance_support.h"
#include "cli/zc_maintenance.h"
#include "core/comm/modbus_interface.h"
#include "core/device/device_clock.h"
#include "core/device/utility_commands.h"
#include "core/platform/message_format.h"
#include "core/platform/message_ids.h"
#include "core/platform/private_exception.h"

namespace voltaro::cli {
namespace {

// "YYYY-MM-DD hh:mm:ss" into the six fields of the clock check.
std::optional<DateTime> ParseClockText(const std::string& text) {
    int v[6];
    char tail = 0;
    if (std::sscanf(text.c_str(), "%d-%d-%d %d:%d:%d%c", &v[0], &v[1], &v[2], &v[3], &v[4], &v[5],
                    &tail) != 6)
        return std::nullopt;
    std::array<std::string, 6> fields;
    for (std::size_t i = 0; i < fields.size(); ++i)
        fields[i] = std::to_string(v[i]);
    const DateCheck check = CheckDateFields(fields);
    if (check.badField >= 0) return std::nullopt;
    return check.value;
}

int RunClock(const std::vector<std::string>& raw) {
    MaintenanceArguments args;
    int exitCode = kExitOk;
    if (!ParseMaintenanceArguments("clock", raw, args, exitCode)) return exitCode;
    std::vector<std::string>& rest = args.connection.rest;
    std::string error;
    const std::optional<std::string> setText = TakeOption(rest, "--set", error);
    const bool sync = TakeFlag(rest, "--sync");
    if (!error.empty()) return UsageError("clock", error);
    if (!rest.empty()) return UsageError("clock", "unexpected argument \"" + rest[0] + "\"");
    if (setText && sync) return UsageError("clock", "--set and --sync cannot be used together");
    std::optional<DateTime> target;
    if (setText && !(target = ParseClockText(*setText)))
        return UsageError("clock", FormatMessageId(kMsgClockTimeOption, {}));
    try {
        CModbusInterface client(args.connection.settings);
        CliMaintenanceInteraction ui("clock", args.passcode, args.remember, args.yes);
        if (target) {
            if (!SetDeviceClock(client, ui, *target)) return kExitFailure;
            PrintLine(FormatMessageId(kMsgClockWritten, {FormatDateTime(*target)}));
        } else if (sync) {
            const SyncResult result = SyncDeviceClock(client, ui);
            if (!result.written) return kExitFailure;
            PrintLine(FormatMessageId(kMsgClockWritten, {FormatDateTime(result.time)}));
        }
        const ClockWords words = ReadDeviceClock(client);
        PrintLine(FormatMessageId(kMsgClockDevice, {FormatDeviceClock(words)}));
        PrintLine(FormatMessageId(kMsgClockPc, {FormatDateTime(LocalPcTime().time)}));
    } catch (const CPrivateException& e) {
        return Failure("clock", e.Message());
    }
    return kExitOk;
}

int RunReset(const std::vector<std::string>& raw) {
    MaintenanceArguments args;
    int exitCode = kExitOk;
    if (!ParseMaintenanceArguments("reset", raw, args, exitCode)) return exitCode;
    const std::vector<std::string>& rest = args.connection.rest;
    static const struct {
        const char* name;
        ResetKind kind;
    } kKinds[] = {{"energy", ResetKind::Energy},
                  {"maxmin", ResetKind::MaxMin},
                  {"demand", ResetKind::Demand},
                  {"counter", ResetKind::Counter}};
    if (rest.size() != 1) return UsageError("reset", "needs energy, maxmin, demand or counter");
    const auto* chosen = std::find_if(std::begin(kKinds), std::end(kKinds),
                                      [&](const auto& k) { return rest[0] == k.name; });
    const auto unknown = [&] {
        return UsageError("reset",
                          "needs energy, maxmin, demand or counter, not \"" + rest[0] + "\"");
    };
    if (chosen == std::end(kKinds) && !IsZcResetKind(rest[0])) return unknown();
    try {
        CModbusInterface client(args.connection.settings);
        const CDeviceType type = IdentifyDevice(client);
        if (type.HasFeature(0, FAM_ZC)) return RunZcReset(args, rest[0], client, type);
        if (chosen == std::end(kKinds)) return unknown();
        if (!CheckChannel("reset", args, type)) return kExitUsage;
        const int counters = type.ioConfig[kIoCounters];
        const std::optional<ResetTarget> target =
            ResetTargetOf(chosen->kind, args.channel, counters);
        if (!target) return Failure("reset", FormatMessageId(kMsgNoCounters, {}));
        CliMaintenanceInteraction ui("reset", args.passcode, args.remember, args.yes);
        switch (voltaro::RunReset(client, ui, chosen->kind, args.channel, counters)) {
            case CommandOutcome::Declined:
                return Failure("reset", FormatMessageId(kMsgNotConfirmed, {}));
            case CommandOutcome::Refused:
                return Failure("reset", FormatMessageId(kMsgPasscodeRefused, {}));
            case CommandOutcome::Done:
                break;
        }
        PrintLine(FormatMessageId(kMsgResetWritten, {static_cast<int>(target->value),
                                                     target->address, std::string(chosen->name)}));
    } catch (const CPrivateException& e) {
        return Failure("reset", e.Message());
    }
    return kExitOk;
}

int RunTag(const std::vector<std::string>& raw) {
    MaintenanceArguments args;
    int exitCode = kExitOk;
    if (!ParseMaintenanceArguments("tag", raw, args, exitCode)) return exitCode;
    std::vector<std::string>& rest = args.connection.rest;
    std::string error;
    const std::optional<std::string> text = TakeOption(rest, "--set", error);
    if (!error.empty()) return UsageError("tag", error);
    if (!rest.empty()) return UsageError("tag", "unexpected argument \"" + rest[0] + "\"");
    if (text) {
        const bool singleByte = std::all_of(text->begin(), text->end(), [](char c) {
            return static_cast<unsigned char>(c) >= 0x20 && static_cast<unsigned char>(c) < 0x7F;
        });
        if (text->size() > kTagLength || !singleByte)
            return UsageError("tag", FormatMessageId(kMsgTagTooLong, {}));
    }
    try {
        CModbusInterface client(args.connection.settings);
        if (text) {
            CliMaintenanceInteraction ui("tag", args.passcode, args.remember, args.yes);
            if (!WriteTag(client, ui, *text))
                return Failure("tag", FormatMessageId(kMsgPasscodeRefused, {}));
            PrintLine(FormatMessageId(kMsgTagWritten, {*text}));
        } else {
            PrintLine(FormatMessageId(kMsgTagShown, {ReadTag(client)}));
        }
    } catch (const CPrivateException& e) {
        return Failure("tag", e.Message());
    }
    return kExitOk;
}

const char* const kCommonOptions = "[--passcode N [--remember]] ";

const CommandRegistrar kClock("clock",
                              std::string("clock [--set \"YYYY-MM-DD hh:mm:ss\" | --sync] ") +
                                  kCommonOptions + ConnectionOptionsUsage(),
                              RunClock);
const CommandRegistrar kReset("reset",
                              std::string("reset energy|maxmin|demand|counter|ZC-KIND "
                                          "[--channel 1|2 (ZC: 1..16)] [--yes] ") +
                                  kCommonOptions + ConnectionOptionsUsage(),
                              RunReset);
const CommandRegistrar kTag(
    "tag", std::string("tag [--set TEXT] ") + kCommonOptions + ConnectionOptionsUsage(), RunTag);

}  // namespace
}  // namespace voltaro::cli
