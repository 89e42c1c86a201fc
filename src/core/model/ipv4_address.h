#pragma once
// IPv4 addresses as the parameter image keeps them: two words, high byte first, so that
// a.b.c.d is the words (a << 8 | b, c << 8 | d).
#include <array>
#include <cstdint>
#include <string>

namespace voltaro {

using Ipv4Octets = std::array<uint8_t, 4>;

struct Ipv4Words {
    uint16_t high = 0;
    uint16_t low = 0;
};

constexpr Ipv4Octets Ipv4OctetsOf(Ipv4Words words) {
    return {static_cast<uint8_t>(words.high >> 8), static_cast<uint8_t>(words.high & 0xFF),
            static_cast<uint8_t>(words.low >> 8), static_cast<uint8_t>(words.low & 0xFF)};
}

constexpr Ipv4Words Ipv4WordsOf(const Ipv4Octets& octets) {
    return {static_cast<uint16_t>(octets[0] << 8 | octets[1]),
            static_cast<uint16_t>(octets[2] << 8 | octets[3])};
}

// "a.b.c.d".
inline std::string Ipv4Text(const Ipv4Octets& octets) {
    return std::to_string(octets[0]) + '.' + std::to_string(octets[1]) + '.' +
           std::to_string(octets[2]) + '.' + std::to_string(octets[3]);
}

}  // namespace voltaro
