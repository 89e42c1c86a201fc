#include "core/monitor/measurand_store.h"

#include "core/platform/text_encoding.h"

namespace voltaro {
namespace {

// Bytes up to the first zero byte, each a single-byte character (Latin-1) made UTF-8.
template <std::size_t N>
std::string TextOfBytes(const std::array<uint8_t, N>& bytes) {
    std::string text;
    for (uint8_t b : bytes) {
        if (b == 0) break;
        AppendUtf8(text, static_cast<char32_t>(b));
    }
    return text;
}

// Registers into bytes, each register low byte first.
template <std::size_t N>
void BytesOfRegisters(std::array<uint8_t, N>& bytes, const uint16_t* registers) {
    for (std::size_t i = 0; i < N / 2; ++i) {
        bytes[2 * i] = static_cast<uint8_t>(registers[i] & 0xFF);
        bytes[2 * i + 1] = static_cast<uint8_t>(registers[i] >> 8);
    }
}

}  // namespace

CMeasurandsKT2::CMeasurandsKT2() : values(kMeasurandSlots, 0) {}

int32_t CMeasurandsKT2::Value(int index) const {
    if (index < 0 || index >= kMeasurandSlots) return 0;
    return values[static_cast<std::size_t>(index)];
}

void CMeasurandsKT2::SetValue(int index, int32_t value) {
    if (index < 0 || index >= kMeasurandSlots) return;
    values[static_cast<std::size_t>(index)] = value;
}

uint32_t* CMeasurandsKT2::Slots() {
    // Signed and unsigned variants of one type may alias each other.
    return reinterpret_cast<uint32_t*>(values.data());
}

void CMeasurandsKT2::SetIdentityRegisters(const uint16_t* registers14) {
    deviceId = registers14[0];
    firmwareVersion = registers14[1];
    BytesOfRegisters(serialNumber, registers14 + 2);
    BytesOfRegisters(tagNumber, registers14 + 6);
}

void CMeasurandsKT2::SetExtensionRegisters(const uint16_t* registers5) {
    extensionId = registers5[0];
    for (std::size_t i = 0; i < ioConfig.size(); ++i)
        ioConfig[i] = registers5[i + 1];
}

std::string CMeasurandsKT2::SerialNumberText() const {
    return TextOfBytes(serialNumber);
}

std::string CMeasurandsKT2::TagNumberText() const {
    return TextOfBytes(tagNumber);
}

}  // namespace voltaro
