#pragma once
// Bundles what a polling dialog needs to read a register list: the client, the destination,
// the device's word-order flag and two stop flags (either one set stops the list).
#include <atomic>
#include <cstdint>

#include "core/comm/modbus_interface.h"
#include "core/work/observer.h"

namespace voltaro {

class CModbusReader : public CObservable {
  public:
    CModbusReader(CModbusInterface& reader, uint32_t* values, bool swapped)
        : client(reader), destination(values), swap(swapped) {}

    // Reads blocks (terminated by start -1); false when a stop flag ended the list early.
    bool Read(const RegisterBlock* blocks) {
        return client.ReadRegisterList(blocks, destination, swap, {&stopA, &stopB});
    }

    CModbusInterface& client;
    uint32_t* destination;
    bool swap;
    std::atomic<bool> stopA{false};
    std::atomic<bool> stopB{false};
};

}  // namespace voltaro
