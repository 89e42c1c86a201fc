#include "core/settings/modbus_dialog_models.h"

#include <algorithm>

namespace voltaro {
namespace {

// A stored index beyond the list shows (and on OK stores) the list's last entry.
int ClampedSelection(uint16_t stored, int count) {
    return std::min<int>(stored, count - 1);
}

}  // namespace

Ipv4Octets OctetsOfWords(const ParameterImage& image, int firstWord) {
    const uint16_t high = image.words[firstWord], low = image.words[firstWord + 1];
    return {static_cast<uint8_t>(high >> 8), static_cast<uint8_t>(high & 0xFF),
            static_cast<uint8_t>(low >> 8), static_cast<uint8_t>(low & 0xFF)};
}

void StoreOctets(ParameterImage& image, int firstWord, const Ipv4Octets& octets) {
    image.words[firstWord] = static_cast<uint16_t>(octets[0] << 8 | octets[1]);
    image.words[firstWord + 1] = static_cast<uint16_t>(octets[2] << 8 | octets[3]);
}

CModbusDialogModel::Inputs CModbusDialogModel::Initial() const {
    const auto& w = image_.words;
    Inputs in;
    in.address = std::to_string(w[124]);
    in.rate = ClampedSelection(w[125], 6);
    in.parity = ClampedSelection(w[126], 3);
    in.stop = w[127] != 0 ? 1 : 0;
    in.asciiMode = SecondRadioChecked(w[131]);
    in.runLedTimeout = TenthsText(w[140]);
    return in;
}

void CModbusDialogModel::Accept(const Inputs& in) {
    auto& w = image_.words;
    if (TransducerVariant()) {
        w[131] = RadioWord(in.asciiMode);
        w[140] = static_cast<uint16_t>(
            ReadField(RunLedTimeoutField, in.runLedTimeout, 0, 32000, 10, 15208));
    } else {
        w[124] = static_cast<uint16_t>(ReadField(AddressField, in.address, 1, 247, 1, 15200));
        StoreIndex(w[125], in.rate, 6);
    }
    StoreIndex(w[126], in.parity, 3);
    StoreIndex(w[127], in.stop, 2);
}

CAdvancedModbusDialogModel::Inputs CAdvancedModbusDialogModel::Initial() const {
    const auto& w = image_.words;
    return {SecondRadioChecked(w[130]), TenthsText(w[128]), TenthsText(w[129])};
}

void CAdvancedModbusDialogModel::Accept(const Inputs& in) {
    auto& w = image_.words;
    w[130] = RadioWord(in.swap);
    const int64_t t15 = ReadField(T15Field, in.t15, 1, 59, 10, 15204);
    w[128] = static_cast<uint16_t>(t15);
    w[129] = static_cast<uint16_t>(ReadField(T35Field, in.t35, t15 + 1, 60, 10, 15205));
}

CModbus2DialogModel::Inputs CModbus2DialogModel::Initial() const {
    const auto& w = image_.words;
    return {OctetsOfWords(image_, 132), OctetsOfWords(image_, 134), OctetsOfWords(image_, 136),
            std::to_string(w[138]),     TenthsText(w[139]),         TenthsText(w[140])};
}

void CModbus2DialogModel::Accept(const Inputs& in) {
    auto& w = image_.words;
    StoreOctets(image_, 132, in.address);
    StoreOctets(image_, 134, in.mask);
    StoreOctets(image_, 136, in.gateway);
    w[138] = static_cast<uint16_t>(ReadField(PortField, in.port, 0, 65535, 1, 15213));
    w[139] = static_cast<uint16_t>(
        ReadField(ConnectionTimeoutField, in.connectionTimeout, 10, 32000, 10, 15212));
    w[140] =
        static_cast<uint16_t>(ReadField(RunLedTimeoutField, in.runLedTimeout, 0, 32000, 10, 15208));
}

CCCLinkDialogModel::Inputs CCCLinkDialogModel::Initial() const {
    return {std::to_string(image_.words[141]), ClampedSelection(image_.words[142], 5)};
}

void CCCLinkDialogModel::Accept(const Inputs& in) {
    image_.words[141] = static_cast<uint16_t>(ReadField(NodeField, in.node, 1, 64, 1, 15690));
    StoreIndex(image_.words[142], in.rate, 5);
}

}  // namespace voltaro
