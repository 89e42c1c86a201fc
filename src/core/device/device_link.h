#pragma once
// One stretch of device access: the client's lock held and the link open from
// construction to destruction, and single-register reads and writes inside it.
#include <cstdint>

#include "core/comm/modbus_interface.h"
#include "core/work/sync_objects.h"

namespace voltaro {

class CDeviceLink {
  public:
    explicit CDeviceLink(CModbusInterface& client) : access_(client), client_(client) {
        client_.Open();
    }
    ~CDeviceLink() { client_.Close(); }
    CDeviceLink(const CDeviceLink&) = delete;
    CDeviceLink& operator=(const CDeviceLink&) = delete;

  private:
    CAccessRight access_;
    CModbusInterface& client_;
};

inline uint16_t ReadOneRegister(CModbusInterface& client, int address) {
    uint16_t value = 0;
    client.ReadHoldingRegisters(address, 1, &value);
    return value;
}

inline void WriteOneRegister(CModbusInterface& client, int address, uint16_t value) {
    client.WriteMultipleRegisters(address, 1, &value);
}

}  // namespace voltaro
