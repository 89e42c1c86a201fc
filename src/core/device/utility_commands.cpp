#include "core/device/utility_commands.h"

#include "core/comm/modbus_interface.h"
#include "core/device/device_link.h"
#include "core/device/passcode_interaction.h"
#include "core/device/passcode_protection.h"
#include "core/model/device_registers.h"
#include "core/platform/message_ids.h"
#include "core/platform/string_table.h"
#include "core/work/sync_objects.h"

namespace voltaro {
namespace {

constexpr uint16_t kResetUnlockCode = 1;
constexpr uint16_t kResetEnergyValue = 1;
constexpr uint16_t kResetMaxMinValue = 2;
constexpr uint16_t kResetDemandValue = 3;
constexpr uint16_t kResetFourCounters = 15;
constexpr uint16_t kResetEightCounters = 255;

// Clears the entered passcode of a protected device (link open).
void ClearEnteredPasscode(CModbusInterface& client) {
    uint16_t pair[2] = {0, 0};
    client.ReadHoldingRegisters(kProtectionRegister, 2, pair);
    if (pair[0] != 0 || pair[1] != 0) {
        uint16_t zero[2] = {0, 0};
        client.WriteMultipleRegisters(kPasscodeRegister, 2, zero);
    }
}

}  // namespace

std::optional<ResetTarget> ResetTargetOf(ResetKind kind, int channelIndex, int counters) {
    const int main = channelIndex == 0 ? kResetRegister : kResetSecondRegister;
    switch (kind) {
        case ResetKind::Energy:
            return ResetTarget{main, kResetEnergyValue};
        case ResetKind::MaxMin:
            return ResetTarget{main, kResetMaxMinValue};
        case ResetKind::Demand:
            return ResetTarget{main, kResetDemandValue};
        case ResetKind::Counter:
            if (counters == 8) return ResetTarget{kCounterResetRegister, kResetEightCounters};
            if (counters == 4) return ResetTarget{kResetSecondRegister, kResetFourCounters};
            return std::nullopt;
    }
    return std::nullopt;
}

CommandOutcome RunReset(CModbusInterface& client, IPasscodeInteraction& interaction, ResetKind kind,
                        int channelIndex, int counters) {
    if (!interaction.Confirm(LoadString(kMsgAreYouSure))) return CommandOutcome::Declined;
    const std::optional<ResetTarget> target = ResetTargetOf(kind, channelIndex, counters);
    if (!target) return CommandOutcome::Declined;
    CAccessRight access(client);
    if (!UnlockForTest(client, kResetUnlockCode, interaction)) return CommandOutcome::Refused;
    CDeviceLink link(client);
    WriteAndRelock(client, false, [&] {
        WriteOneRegister(client, kUnlockRegister, kResetUnlockCode);
        WriteOneRegister(client, target->address, target->value);
    });
    return CommandOutcome::Done;
}

std::array<uint16_t, kTagRegisters> TagWords(const std::string& text) {
    std::array<uint8_t, kTagLength + 1> bytes{};
    for (std::size_t i = 0; i < text.size() && i < kTagLength; ++i)
        bytes[i] = static_cast<uint8_t>(text[i]);
    std::array<uint16_t, kTagRegisters> words{};
    for (std::size_t r = 0; r < kTagRegisters; ++r)
        words[r] = static_cast<uint16_t>(bytes[2 * r] | (bytes[2 * r + 1] << 8));
    return words;
}

std::string TagText(const std::array<uint16_t, kTagRegisters>& words) {
    std::string text;
    for (uint16_t w : words) {
        for (uint8_t byte : {static_cast<uint8_t>(w & 0xFF), static_cast<uint8_t>(w >> 8)}) {
            if (byte == 0) return text;
            text.push_back(static_cast<char>(byte));
        }
    }
    return text;
}

std::string ReadTag(CModbusInterface& client) {
    CAccessRight access(client);
    CDeviceLink link(client);
    std::array<uint16_t, kTagRegisters> words{};
    client.ReadHoldingRegisters(kTagRegister, kTagRegisters, words.data());
    ClearEnteredPasscode(client);
    return TagText(words);
}

bool WriteTag(CModbusInterface& client, IPasscodeInteraction& interaction,
              const std::string& text) {
    CAccessRight access(client);
    if (!UnlockForTest(client, kResetUnlockCode, interaction)) return false;
    std::array<uint16_t, kTagRegisters> words = TagWords(text);
    CDeviceLink link(client);
    // Lock again as after every maintenance write: the unlock must not outlast the tag.
    WriteAndRelock(client, false, [&] {
        client.WriteMultipleRegisters(kTagRegister, kTagRegisters, words.data());
    });
    return true;
}

}  // namespace voltaro
