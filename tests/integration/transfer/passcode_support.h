#pragma once
// Test helpers for the passcode sequences: scripted answers to their questions and single
// register accesses between them.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/comm/modbus_interface.h"
#include "core/device/passcode_interaction.h"
#include "core/platform/private_exception.h"
#include "sim_link.h"

namespace voltaro::test {

struct ScriptedInteraction : IPasscodeInteraction {
    std::optional<uint32_t> passcode;
    std::optional<ProtectionChange> change;
    std::vector<std::string> errors;
    int passcodeQuestions = 0;
    int protectionQuestions = 0;
    std::vector<bool> toldStates;          // TellProtectionState, in order
    std::size_t statesAtLastQuestion = 0;  // how many were told when AskProtection came
    std::optional<uint32_t> AskPasscode() override {
        ++passcodeQuestions;
        return passcode;
    }
    std::optional<ProtectionChange> AskProtection() override {
        ++protectionQuestions;
        statesAtLastQuestion = toldStates.size();
        return change;
    }
    void ShowError(const std::string& text) override { errors.push_back(text); }
    bool Confirm(const std::string&) override { return true; }
    void TellProtectionState(bool on) override { toldStates.push_back(on); }
};

inline sim::SimulatorOptions Protected(int row, uint32_t passcode) {
    sim::SimulatorOptions options = SimRow(row);
    options.device.passcode = passcode;
    return options;
}

inline uint16_t ReadRegister(CModbusInterface& client, int address) {
    client.Open();
    uint16_t value = 0;
    client.ReadHoldingRegisters(address, 1, &value);
    client.Close();
    return value;
}

// Writes one parameter register; false when the device refuses it.
inline bool TryWrite(CModbusInterface& client, int address, uint16_t value) {
    client.Open();
    bool ok = true;
    try {
        client.WriteMultipleRegisters(address, 1, &value);
    } catch (const CPrivateException&) {
        ok = false;
    }
    client.Close();
    return ok;
}

}  // namespace voltaro::test
