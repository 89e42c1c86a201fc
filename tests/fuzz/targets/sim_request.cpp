// Fuzz target: the simulated device's request parsing and handling on both transports:
// the MBAP envelope, RTU frame recognition, and the PDU handler of a device of the row
// that the first input byte picks.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "core/model/device_type.h"
#include "sim/device_model.h"
#include "sim/protocol.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    using namespace voltaro;
    using namespace voltaro::sim;
    if (size < 2) return 0;
    // A device per row, made once (each answers every request of its row).
    static std::vector<std::unique_ptr<DeviceModel>> devices(kDeviceTypeCount);
    const int row = data[0] % kDeviceTypeCount;
    if (!devices[static_cast<std::size_t>(row)]) {
        SimulatorOptions options;
        options.device.row = row;
        devices[static_cast<std::size_t>(row)] = std::make_unique<DeviceModel>(options);
    }
    DeviceModel& device = *devices[static_cast<std::size_t>(row)];
    std::vector<ExceptionRule> rules;
    if (data[1] & 1) rules.push_back({static_cast<uint8_t>(1 + data[1] % 0x7F), 9600, 9610});

    std::vector<uint8_t> buffer(data + 2, data + size);
    while (!buffer.empty()) {
        MbapRequest request;
        const int used = ExtractMbap(buffer, request);
        if (used <= 0) break;
        if (static_cast<std::size_t>(used) > buffer.size()) __builtin_trap();
        buffer.erase(buffer.begin(), buffer.begin() + used);
        const std::vector<uint8_t> answer = HandlePdu(device, request.pdu, rules);
        DescribeRequest(request.pdu);
        DescribeAnswer(request.pdu, answer);
        MbapFrame(request.transaction, request.unit, answer);
    }
    const int rtuLength = RtuRequestLength(data + 2, size - 2);
    if (rtuLength > 0 && static_cast<std::size_t>(rtuLength) <= size - 2 &&
        RtuCrcValid(data + 2, static_cast<std::size_t>(rtuLength))) {
        std::vector<uint8_t> pdu(data + 3, data + 2 + rtuLength - 2);
        RtuFrame(data[2], HandlePdu(device, pdu, rules));
    }
    return 0;
}
