// Passcode protection: unlock, relock, protection change and the maintenance unlock.
#include "core/device/passcode_protection.h"

#include <chrono>
#include <optional>
#include <thread>

#include "core/comm/device_lock.h"
#include "core/comm/modbus_interface.h"
#include "core/device/device_identification.h"
#include "core/device/device_link.h"
#include "core/model/device_registers.h"
#include "core/platform/message_format.h"
#include "core/platform/message_ids.h"
#include "core/platform/private_exception.h"
#include "core/platform/string_table.h"
#include "core/work/sync_objects.h"

namespace voltaro {
namespace {

uint32_t ReadPairFrom(CModbusInterface& client, int address, bool highWordFirst) {
    uint16_t r[2] = {0, 0};
    client.ReadHoldingRegisters(address, 2, r);
    return highWordFirst ? (static_cast<uint32_t>(r[0]) << 16) | r[1]
                         : (static_cast<uint32_t>(r[1]) << 16) | r[0];
}

void WritePairTo(CModbusInterface& client, int address, uint32_t value, bool highWordFirst) {
    client.WriteRegisterPairs(address, 1, &value, highWordFirst);
}

// The maintenance unlock of both register sets.
bool MaintenanceUnlock(CModbusInterface& client, uint16_t code, IPasscodeInteraction& interaction,
                       const PasscodeRegisterSet& regs, bool useWordOrder) {
    bool highWordFirst = false;
    {
        CDeviceLink link(client);
        if (useWordOrder) highWordFirst = ReadOneRegister(client, kWordOrderRegister) == 1;
        if (ReadPairFrom(client, regs.protection, highWordFirst) == 0) {
            WriteOneRegister(client, regs.unlock, code);
            return true;
        }
    }
    std::optional<uint32_t> passcode = interaction.AskPasscode();
    if (!passcode) return false;
    {
        CDeviceLink link(client);
        WritePairTo(client, regs.entered, *passcode, highWordFirst);
        WriteOneRegister(client, regs.unlock, code);
        if (ReadOneRegister(client, regs.unlock) == code) return true;
    }
    interaction.ShowError(LoadString(kMsgPasscodeMismatch));
    return false;
}

}  // namespace

CPasscodeProtection::CPasscodeProtection(IPasscodeInteraction& interaction, PasscodeTimings timings)
    : interaction_(interaction), timings_(timings) {}

CPasscodeProtection::~CPasscodeProtection() {
    inDestructor_ = true;
    try {
        Relock();
    } catch (...) {
        // A relock that fails while the object goes away has nobody to tell.
    }
}

uint32_t CPasscodeProtection::ReadPair(int address) {
    return ReadPairFrom(*client_, address, highWordFirst_);
}
void CPasscodeProtection::WritePair(int address, uint32_t value) {
    WritePairTo(*client_, address, value, highWordFirst_);
}
uint16_t CPasscodeProtection::ReadOne(int address) {
    return ReadOneRegister(*client_, address);
}
void CPasscodeProtection::WriteOne(int address, uint16_t value) {
    WriteOneRegister(*client_, address, value);
}

void CPasscodeProtection::SelectRegisters() {
    deviceType_ = CDeviceType();
    deviceType_ = ReadFromDevice(*client_);
    if (deviceType_.HasFeature(0, FAM_ZC)) {
        unlockRegister_ = kZcUnlockRegister;
        passcodeRegister_ = kZcPasscodeRegister;
        protectionRegister_ = kZcProtectionRegister;
        highWordFirst_ = false;
    } else {
        unlockRegister_ = kUnlockRegister;
        passcodeRegister_ = kPasscodeRegister;
        protectionRegister_ = kProtectionRegister;
        highWordFirst_ = ReadOne(kWordOrderRegister) == 1;
    }
}

bool CPasscodeProtection::Unlock(CModbusInterface& client) {
    client_ = &client;
    {
        CDeviceLink link(client);
        SelectRegisters();
        if (ReadPair(protectionRegister_) == 0) {
            // Not protected: the device still gets the unlock command.
            WriteOne(unlockRegister_, 1);
            unlocked_ = true;
            return true;
        }
    }
    std::optional<uint32_t> passcode = interaction_.AskPasscode();
    if (!passcode) return false;
    bool confirmed = false;
    {
        CDeviceLink link(client);
        WritePair(passcodeRegister_, *passcode);
        WriteOne(unlockRegister_, 1);
        const auto start = std::chrono::steady_clock::now();
        const auto limit = std::chrono::milliseconds(timings_.unlockTimeoutMs);
        while (!(confirmed = ReadOne(unlockRegister_) == 1)) {
            if (std::chrono::steady_clock::now() - start > limit) break;
            std::this_thread::sleep_for(std::chrono::milliseconds(timings_.pollIntervalMs));
        }
    }
    if (!confirmed) {
        interaction_.ShowError(LoadString(kMsgPasscodeMismatch));
        return false;
    }
    unlocked_ = true;
    return true;
}

void CPasscodeProtection::Relock() {
    if (!unlocked_ || client_ == nullptr) return;
    try {
        CDeviceLink link(*client_);
        WriteOne(unlockRegister_, 0);
        WritePair(passcodeRegister_, 0);
    } catch (...) {
        unlocked_ = false;
        if (!inDestructor_) throw;
        return;
    }
    unlocked_ = false;
}

bool CPasscodeProtection::ChangeProtection(CModbusInterface& client) {
    client_ = &client;
    const CDeviceLock deviceLock(client.settings);  // not between another's unlock and relock
    bool supported = true;
    std::optional<bool> protectedNow;
    {
        CDeviceLink link(client);
        SelectRegisters();
        supported = deviceType_.HasFeature(0, FAM_ZC) || ReadPair(kPasscodeRegister) != 0;
        // The state is told before the question; a device that does not answer this read
        // is asked all the same (the change reports its own failures).
        if (supported) {
            try {
                protectedNow = ReadPair(protectionRegister_) != 0;
            } catch (const CPrivateException&) {
            }
        }
    }
    if (!supported) {
        interaction_.ShowError(LoadString(kMsgNoProtectionFeature));
        return false;
    }
    if (protectedNow) interaction_.TellProtectionState(*protectedNow);
    std::optional<ProtectionChange> change = interaction_.AskProtection();
    if (!change) return false;
    // How far the change came: a failure after the unlock leaves the device in a state
    // that the message must name.
    enum { kNothingWritten, kUnlocking, kNewPasscodeSet } stage = kNothingWritten;
    try {
        CDeviceLink link(client);
        WritePair(passcodeRegister_, change->current);
        stage = kUnlocking;
        WriteOne(unlockRegister_, 1);
        if (ReadOne(unlockRegister_) == 1) {
            WritePair(protectionRegister_, change->newPasscode);
            stage = kNewPasscodeSet;
            // Lock again: the unlock must not outlast the change, or the device would
            // stay writable under its new passcode.
            WriteOne(unlockRegister_, 0);
            WritePair(passcodeRegister_, 0);
            return true;
        }
    } catch (const CPrivateException& e) {
        if (stage == kNothingWritten) throw;
        throw CPrivateException(FormatMessageId(
            stage == kUnlocking ? kMsgProtectStateUnknown : kMsgProtectNotRelocked, {e.Message()}));
    }
    interaction_.ShowError(LoadString(kMsgPasscodeMismatch));
    return false;
}

bool UnlockForTest(CModbusInterface& client, uint16_t code, IPasscodeInteraction& interaction) {
    return MaintenanceUnlock(client, code, interaction, kMeterPasscodeRegisters, true);
}

bool UnlockZcForTest(CModbusInterface& client, IPasscodeInteraction& interaction) {
    return MaintenanceUnlock(client, 1, interaction, kZcPasscodeRegisters, false);
}

void RelockAfterTest(CModbusInterface& client, bool zc) {
    WriteOneRegister(client, zc ? kZcUnlockRegister : kUnlockRegister, 0);
    // The protection passcode reads the same either way round when it is 0.
    if (ReadPairFrom(client, zc ? kZcProtectionRegister : kProtectionRegister, false) != 0)
        WritePairTo(client, zc ? kZcPasscodeRegister : kPasscodeRegister, 0, false);
}

}  // namespace voltaro
