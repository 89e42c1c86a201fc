#pragma once
// The simulated device's register space: a flat array of 65536 holding registers and,
// beside it, which of them the device answers for reading and which it accepts for
// writing. Everything outside the map is an illegal data address for the device.
#include <array>
#include <cstdint>
#include <vector>

namespace voltaro::sim {

constexpr int kRegisterCount = 65536;

enum RegisterAccess : uint8_t {
    kNoAccess = 0,
    kReadable = 1,
    kWritable = 2,
    kReadWrite = 3,
};

class RegisterMap {
  public:
    RegisterMap() : access_(kRegisterCount, kNoAccess) {}
    // Adds access to `count` registers from `first` (access rights accumulate).
    void Add(int first, int count, uint8_t access);
    // Takes write access away again (read-only registers inside a writable range).
    void RemoveWrite(int first, int count);
    uint8_t Access(int address) const {
        return address >= 0 && address < kRegisterCount ? access_[address] : uint8_t{kNoAccess};
    }
    // Whether every register of [first, first + count) has all bits of `access`.
    bool Allows(int first, int count, uint8_t access) const;

  private:
    std::vector<uint8_t> access_;
};

// The register contents. 32-bit values are stored low word first, or high word first
// when the order flag of the area says so (the device's word-order setting).
class RegisterFile {
  public:
    RegisterFile() : words_(kRegisterCount, 0) {}
    uint16_t Get(int address) const { return words_[static_cast<uint16_t>(address)]; }
    void Set(int address, uint16_t value) { words_[static_cast<uint16_t>(address)] = value; }
    uint32_t Get32(int address, bool highFirst) const;
    void Set32(int address, uint32_t value, bool highFirst);
    int32_t GetSigned32(int address, bool highFirst) const {
        return static_cast<int32_t>(Get32(address, highFirst));
    }

  private:
    std::vector<uint16_t> words_;
};

}  // namespace voltaro::sim
