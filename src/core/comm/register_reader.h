#pragma once
// What identification needs of a Modbus client: one read of holding registers. The
// client implements it; tests answer it from memory.
#include <cstdint>

namespace voltaro {

class IRegisterReader {
  public:
    virtual ~IRegisterReader() = default;
    virtual bool ReadHoldingRegisters(int address, int count, uint16_t* values) = 0;
};

}  // namespace voltaro
