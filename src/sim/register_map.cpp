#include "sim/register_map.h"

#include <algorithm>

namespace voltaro::sim {

void RegisterMap::Add(int first, int count, uint8_t access) {
    const int end = std::min(first + count, kRegisterCount);
    for (int a = std::max(first, 0); a < end; ++a)
        access_[a] |= access;
}

void RegisterMap::RemoveWrite(int first, int count) {
    const int end = std::min(first + count, kRegisterCount);
    for (int a = std::max(first, 0); a < end; ++a)
        access_[a] &= static_cast<uint8_t>(~kWritable);
}

bool RegisterMap::Allows(int first, int count, uint8_t access) const {
    if (first < 0 || count < 0 || first + count > kRegisterCount) return false;
    for (int a = first; a < first + count; ++a) {
        if ((access_[a] & access) != access) return false;
    }
    return true;
}

uint32_t RegisterFile::Get32(int address, bool highFirst) const {
    const uint32_t first = Get(address);
    const uint32_t second = Get(address + 1);
    return highFirst ? (first << 16) | second : (second << 16) | first;
}

void RegisterFile::Set32(int address, uint32_t value, bool highFirst) {
    const auto low = static_cast<uint16_t>(value & 0xFFFF);
    const auto high = static_cast<uint16_t>(value >> 16);
    Set(address, highFirst ? high : low);
    Set(address + 1, highFirst ? low : high);
}

}  // namespace voltaro::sim
