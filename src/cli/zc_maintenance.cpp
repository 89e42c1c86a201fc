#include "cli/zc_maintenance.h"

#include <algorithm>
#include <iterator>

#include "cli/cli_command.h"
#include "core/comm/modbus_interface.h"
#include "core/model/value_helpers.h"
#include "core/monitor/zc_preset.h"
#include "core/monitor/zc_reads.h"
#include "core/monitor/zc_registers.h"
#include "core/platform/list_text_ids.h"
#include "core/platform/message_format.h"
#include "core/platform/message_ids.h"
#include "core/platform/private_exception.h"
#include "core/platform/string_table.h"

namespace voltaro::cli {
namespace {

// The reset kinds, named after the monitor's buttons: the two under the main page's
// grids, then those of the channel detail.
struct ZcResetKind {
    const char* name;
    uint16_t value;
    bool counts = false;  // of a discrete input: --channel names DI1 .. DI8
};
constexpr ZcResetKind kResetKinds[] = {
    {"energy", kZcResetEnergy},
    {"hourly", kZcResetHourly},
    {"counter", kZcResetEnergy, true},
    {"hourly-counter", kZcResetHourly, true},
    {"demand-current", kZcResetDemandCurrent},
    {"demand-power", kZcResetDemandPower},
    {"maxmin-voltage", kZcResetMaxMinVoltage},
    {"maxmin-current", kZcResetMaxMinCurrent},
    {"maxmin-power", kZcResetMaxMinPower},
    {"maxmin-power-factor", kZcResetMaxMinPowerFactor},
    {"maxmin-frequency", kZcResetMaxMinFrequency},
    {"maxmin-demand-current", kZcResetMaxMinDemandCurrent},
    {"maxmin-demand-power", kZcResetMaxMinDemandPower},
    {"thd-voltage", kZcResetThdVoltage},
    {"thd-current", kZcResetThdCurrent},
};

constexpr int kEnergyScale = 10;
constexpr int kCountScale = 1;

const ZcResetKind* FindKind(const std::string& name) {
    const auto* found = std::find_if(std::begin(kResetKinds), std::end(kResetKinds),
                                     [&](const ZcResetKind& k) { return name == k.name; });
    return found == std::end(kResetKinds) ? nullptr : found;
}

std::string KindNames() {
    std::string names;
    for (const ZcResetKind& k : kResetKinds)
        names += (names.empty() ? "" : ", ") + std::string(k.name);
    return names;
}

// The preset entries of the page channel, in table order: "Active in", "Reactive LAG",
// then "Counter".
const PresetEntry* EntryNamed(const std::string& name, int k) {
    for (const PresetEntry& e : ZcPresetTable()) {
        const bool count = e.labelId == kTextCounterGroup;
        const int first = count ? kIdxZcCounts : kIdxZcEnergy;
        if ((e.index - first) / kZcBlockSlots == k && SameName(LoadString(e.labelId), name))
            return &e;
    }
    return nullptr;
}

std::string PresetNames() {
    std::string names;
    for (const PresetEntry& e : ZcPresetTable()) {
        const std::string quoted = "\"" + LoadString(e.labelId) + "\"";
        if (names.find(quoted) == std::string::npos) names += (names.empty() ? "" : ", ") + quoted;
    }
    return names;
}

bool Confirmed(CliMaintenanceInteraction& ui) {
    return ui.Confirm(LoadString(kMsgAreYouSure));
}

}  // namespace

bool IsZcResetKind(const std::string& name) {
    return FindKind(name) != nullptr;
}

bool IsZcPresetName(const std::string& name) {
    return EntryNamed(name, 0) != nullptr;
}

int RunZcReset(const MaintenanceArguments& args, const std::string& kind, CModbusInterface& client,
               const CDeviceType& type) {
    const ZcResetKind* chosen = FindKind(kind);
    if (chosen == nullptr)
        return UsageError("reset", FormatMessageId(kMsgZcResetKind, {KindNames(), kind}));
    const bool common = ZcResetChannel(chosen->value, 1) == 0;
    const int inputs = chosen->counts ? kZcPageChannels : type.ioConfig[kIoMeasuringInputs];
    if (common && args.channelGiven)
        return UsageError("reset", FormatMessageId(kMsgZcResetCommon, {kind}));
    if (!common && !args.channelGiven)
        return UsageError("reset", FormatMessageId(kMsgZcResetNeedsChannel, {inputs}));
    // A discrete input's counts are reset at the register of channel 8 + input, where
    // the module's page puts its "Reset" buttons.
    int channel = args.channel;
    if (chosen->counts) {
        if (channel >= kZcPageChannels)
            return UsageError("reset", FormatMessageId(kMsgZcResetNeedsChannel, {inputs}));
        if (ZcExtensionView(type) != kZcViewDiscrete)
            return Failure("reset", FormatMessageId(kMsgZcPresetNoModule,
                                                    {LoadString(kTextsDiscreteInput + channel)}));
        channel += ZcChannelOffset(kZcViewDiscrete);
    } else if (!common && !CheckChannel("reset", args, type)) {
        return kExitUsage;
    }
    CliMaintenanceInteraction ui("reset", args.passcode, args.remember, args.yes);
    if (!Confirmed(ui)) return Failure("reset", FormatMessageId(kMsgNotConfirmed, {}));
    if (!WriteZcReset(client, ui, channel, chosen->value))
        return Failure("reset", FormatMessageId(kMsgPasscodeRefused, {}));
    const int address = ZcResetRegisterOf(ZcResetChannel(chosen->value, channel));
    PrintLine(FormatMessageId(kMsgResetWritten, {static_cast<int>(chosen->value), address, kind}));
    return kExitOk;
}

int RunZcPreset(const MaintenanceArguments& args, const std::string& name, const std::string& value,
                bool tariffGiven, CModbusInterface& client, const CDeviceType& type) {
    if (tariffGiven) return UsageError("preset", FormatMessageId(kMsgZcPresetTariff, {}));
    if (!IsZcPresetName(name))
        return UsageError("preset", FormatMessageId(kMsgZcPresetUnknown, {name, PresetNames()}));
    const int inputs = type.ioConfig[kIoMeasuringInputs];
    if (!args.channelGiven)
        return UsageError("preset", FormatMessageId(kMsgZcPresetNeedsChannel, {inputs}));
    const bool count = SameName(name, LoadString(kTextCounterGroup));
    // Energies of channels 9 .. 16 are the extension module's; counts are the inputs DI1 ..
    // DI8 of the discrete-input module.
    const int view = count                            ? kZcViewDiscrete
                     : args.channel < kZcPageChannels ? kZcViewBasic
                                                      : kZcViewExtension;
    const int k = args.channel % kZcPageChannels;
    const bool present =
        count ? ZcExtensionView(type) == kZcViewDiscrete && args.channel < kZcPageChannels
              : args.channel < inputs;
    const std::string where =
        LoadString(count ? kTextsDiscreteInput + args.channel : InputLabelId(args.channel + 1));
    if (!present) return Failure("preset", FormatMessageId(kMsgZcPresetNoModule, {where}));
    const PresetEntry& entry = *EntryNamed(name, k);
    int64_t scaled = 0;
    try {
        scaled = ParseZcPresetInput(entry, view, value);
    } catch (const CPrivateException& e) {
        return UsageError("preset", e.Message());
    }
    CliMaintenanceInteraction ui("preset", args.passcode, args.remember, args.yes);
    if (!Confirmed(ui)) return Failure("preset", FormatMessageId(kMsgNotConfirmed, {}));
    WriteZcPreset(client, ZcPresetRegister(entry, view), static_cast<uint32_t>(scaled));
    const std::string label =
        FormatMessageId(kTextZcChannelName, {where, LoadString(entry.labelId)});
    PrintLine(FormatMessageId(
        kMsgPresetWritten,
        {label, FormatScaledValue(scaled, view == kZcViewDiscrete ? kCountScale : kEnergyScale)}));
    return kExitOk;
}

}  // namespace voltaro::cli
