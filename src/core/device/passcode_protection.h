#pragma once
// Modbus passcode protection. CPasscodeProtection unlocks a device before, and locks it
// again after, every operation that writes to it; ChangeProtection turns protection on,
// changes its passcode or turns it off. Between steps the link is closed, so the link
// is never held open while the user types.
#include <cstdint>

#include "core/device/passcode_interaction.h"
#include "core/model/device_registers.h"
#include "core/model/device_type.h"

namespace voltaro {

class CModbusInterface;

struct PasscodeTimings {
    uint32_t unlockTimeoutMs = 1000;  // how long Unlock waits for the unlock to show
    uint32_t pollIntervalMs = 20;     // pause between reads of the unlock register
};

class CPasscodeProtection {
  public:
    explicit CPasscodeProtection(IPasscodeInteraction& interaction, PasscodeTimings timings = {});
    // Relocks when an unlock is in force; failures are discarded here.
    ~CPasscodeProtection();
    CPasscodeProtection(const CPasscodeProtection&) = delete;
    CPasscodeProtection& operator=(const CPasscodeProtection&) = delete;

    // Unlocks the device for writing. False when the user cancelled the passcode prompt
    // or the passcode was wrong (kMsgPasscodeMismatch shown). Modbus failures throw.
    bool Unlock(CModbusInterface& client);
    // Locks the device again after a successful Unlock; failures throw.
    void Relock();
    // "Protect": asks for the current and new passcode and sets the new one. True when
    // the new passcode was set; false when refused (kMsgNoProtectionFeature,
    // kMsgPasscodeMismatch shown) or cancelled. A Modbus failure after the unlock throws
    // kMsgProtectStateUnknown (new passcode perhaps not set) or kMsgProtectNotRelocked
    // (set, but perhaps not locked again), carrying the failure.
    bool ChangeProtection(CModbusInterface& client);

    bool Unlocked() const { return unlocked_; }
    const CDeviceType& DeviceType() const { return deviceType_; }
    int UnlockRegisterAddress() const { return unlockRegister_; }
    int PasscodeRegisterAddress() const { return passcodeRegister_; }
    int ProtectionRegisterAddress() const { return protectionRegister_; }
    bool HighWordFirst() const { return highWordFirst_; }

  private:
    // Identifies the device and chooses its register set (link open).
    void SelectRegisters();
    uint32_t ReadPair(int address);
    void WritePair(int address, uint32_t value);
    void WriteOne(int address, uint16_t value);
    uint16_t ReadOne(int address);

    IPasscodeInteraction& interaction_;
    PasscodeTimings timings_;
    CModbusInterface* client_ = nullptr;
    CDeviceType deviceType_;
    int unlockRegister_ = kUnlockRegister;
    int passcodeRegister_ = kPasscodeRegister;
    int protectionRegister_ = kProtectionRegister;
    bool highWordFirst_ = false;
    bool unlocked_ = false;
    bool inDestructor_ = false;
};

// Maintenance unlock of meters and ZB types for single commands: writes code to the
// unlock register (asking for the passcode of a protected device). False when the user
// cancelled or the passcode was wrong (kMsgPasscodeMismatch shown).
bool UnlockForTest(CModbusInterface& client, uint16_t code, IPasscodeInteraction& interaction);
// The same for the ZC series (always code 1).
bool UnlockZcForTest(CModbusInterface& client, IPasscodeInteraction& interaction);
// Relock after a maintenance write sequence, inside the caller's open link.
void RelockAfterTest(CModbusInterface& client, bool zc);
// Runs writes (the link open) and relocks after them; a failed write is relocked too,
// when the link still allows, and then passed on.
template <typename Writes>
void WriteAndRelock(CModbusInterface& client, bool zc, Writes writes) {
    try {
        writes();
    } catch (...) {
        try {
            RelockAfterTest(client, zc);
        } catch (...) {
        }
        throw;
    }
    RelockAfterTest(client, zc);
}

}  // namespace voltaro
