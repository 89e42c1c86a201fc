#include "sim/sim_options.h"

#include "core/model/device_type.h"
#include "core/platform/private_exception.h"

namespace voltaro::sim {

int DefaultVersion(int row) {
    const DeviceTypeRecord& record = DeviceTypeTable()[static_cast<std::size_t>(row)];
    if (record.versionMax != 65535) return record.versionMax;
    const bool firstGeneration = (record.family & (FAM_KT2 | FAM_KT6)) != 0 &&
                                 (record.family & (FAM_KT2_G2 | FAM_KT6_G2)) == 0;
    if (firstGeneration) return 102;
    return record.versionMin > 200 ? record.versionMin : 200;
}

void ValidateOptions(const SimulatorOptions& options) {
    const DeviceOptions& d = options.device;
    if (d.row < 0 || d.row >= kDeviceTypeCount) {
        throw CPrivateException("Row " + std::to_string(d.row) + " is not in the catalogue (0 to " +
                                std::to_string(kDeviceTypeCount - 1) + ").");
    }
    const DeviceTypeRecord& record = DeviceTypeTable()[static_cast<std::size_t>(d.row)];
    if (d.version >= 0 && (d.version < record.versionMin || d.version > record.versionMax)) {
        throw CPrivateException("Version " + std::to_string(d.version) + " is outside row " +
                                std::to_string(d.row) + "'s range " +
                                std::to_string(record.versionMin) + " to " +
                                std::to_string(record.versionMax) + ".");
    }
    if (d.serial.size() > 8) throw CPrivateException("The serial number has at most 8 characters.");
    if (d.tag.size() > 16) throw CPrivateException("The tag has at most 16 characters.");
    if (d.unit < 1 || d.unit > 247) throw CPrivateException("The unit address is 1 to 247.");
    if (d.passcode > 999999999u) throw CPrivateException("A passcode is 1 to 999999999.");
    const int version = d.version >= 0 ? d.version : DefaultVersion(d.row);
    if (d.passcode != 0 && record.deviceId == 7811 && version <= 100) {
        throw CPrivateException(
            "This device (firmware 1.00 or earlier) has no passcode protection.");
    }
    if (d.swap && (record.family & FAM_ZC) != 0) {
        throw CPrivateException(
            "--swap does not apply to the ZC series: its 32-bit values are "
            "always low word first.");
    }
    if (d.dip && (record.family & (FAM_ZB | FAM_ZC)) == 0) {
        throw CPrivateException(
            "--dip applies to the ZB and ZC series only (they have the "
            "DIP switch register).");
    }
    const LineOptions& line = options.line;
    if (line.baud < 300 || line.baud > 115200)
        throw CPrivateException("The baud rate is 300 to 115200.");
    if (line.parity != 'N' && line.parity != 'E' && line.parity != 'O') {
        throw CPrivateException("The parity is N, E or O.");
    }
    if (line.stopBits != 1 && line.stopBits != 2) throw CPrivateException("Stop bits are 1 or 2.");
    if (line.turnaroundMs < 0) throw CPrivateException("The turnaround time cannot be negative.");
    const FaultSettings& f = options.faults;
    for (double p : {f.drop, f.corruptCrc, f.shortAnswer, f.wrongTransaction}) {
        if (p < 0 || p > 1) throw CPrivateException("A fault share is 0 to 1.");
    }
    if (f.delayMs < 0 || f.splitTcp < 0 || f.closeAfter < 0) {
        throw CPrivateException("Fault counts and delays cannot be negative.");
    }
    for (const ExceptionRule& rule : f.exceptions) {
        if (rule.code == 0 || rule.code > 0x7F || rule.first < 0 || rule.last > 65535 ||
            rule.first > rule.last) {
            throw CPrivateException(
                "An exception rule is CODE@ADDR or CODE@FIRST-LAST with "
                "code 1 to 127 and addresses 0 to 65535.");
        }
    }
}

}  // namespace voltaro::sim
