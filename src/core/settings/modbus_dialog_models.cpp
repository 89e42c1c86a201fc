#include "core/settings/modbus_dialog_models.h"

#include "core/model/parameter_words.h"

namespace voltaro {
namespace {

// The entry of a bound list that shows the stored value.
int SelectionOf(const ChoiceList& bound, uint16_t stored) {
    return bound.IndexOfCode(stored);
}

}  // namespace

CModbusDialogModel::Inputs CModbusDialogModel::Initial() const {
    const auto& w = image_.words;
    Inputs in;
    in.address = std::to_string(w[kWordDeviceAddress]);
    in.rate = SelectionOf(Rates(), w[kWordTransferRate]);
    in.parity = SelectionOf(Parities(), w[kWordParity]);
    in.stop = SelectionOf(StopBits(), w[kWordStopBits]);
    in.asciiMode = SecondRadioChecked(w[kWordModbusMode]);
    in.runLedTimeout = TenthsText(w[kWordRunLedTimeout]);
    return in;
}

void CModbusDialogModel::Accept(const Inputs& in) {
    auto& w = image_.words;
    if (TransducerVariant()) {
        w[kWordModbusMode] = RadioWord(in.asciiMode);
        w[kWordRunLedTimeout] = static_cast<uint16_t>(
            ReadField(RunLedTimeoutField, in.runLedTimeout, kRunLedTimeoutRange));
    } else {
        w[kWordDeviceAddress] =
            static_cast<uint16_t>(ReadField(AddressField, in.address, kDeviceAddressRange));
        StoreIndex(w[kWordTransferRate], in.rate, kBaudRateTextCount);
    }
    StoreIndex(w[kWordParity], in.parity, kParityTextCount);
    StoreIndex(w[kWordStopBits], in.stop, kStopBitsTextCount);
}

CAdvancedModbusDialogModel::Inputs CAdvancedModbusDialogModel::Initial() const {
    const auto& w = image_.words;
    return {SecondRadioChecked(w[kWordLongRegister]), TenthsText(w[kWordT15]),
            TenthsText(w[kWordT35])};
}

void CAdvancedModbusDialogModel::Accept(const Inputs& in) {
    auto& w = image_.words;
    w[kWordLongRegister] = RadioWord(in.swap);
    const int64_t t15 = ReadField(T15Field, in.t15, kT15Range);
    w[kWordT15] = static_cast<uint16_t>(t15);
    w[kWordT35] = static_cast<uint16_t>(ReadField(T35Field, in.t35, T35RangeAbove(t15)));
}

CModbus2DialogModel::Inputs CModbus2DialogModel::Initial() const {
    const auto& w = image_.words;
    return {image_.Address(kWordIpAddress),        image_.Address(kWordSubnetMask),
            image_.Address(kWordDefaultGateway),   std::to_string(w[kWordPort]),
            TenthsText(w[kWordConnectionTimeout]), TenthsText(w[kWordRunLedTimeout])};
}

void CModbus2DialogModel::Accept(const Inputs& in) {
    auto& w = image_.words;
    image_.SetAddress(kWordIpAddress, in.address);
    image_.SetAddress(kWordSubnetMask, in.mask);
    image_.SetAddress(kWordDefaultGateway, in.gateway);
    w[kWordPort] = static_cast<uint16_t>(ReadField(PortField, in.port, kPortRange));
    w[kWordConnectionTimeout] = static_cast<uint16_t>(
        ReadField(ConnectionTimeoutField, in.connectionTimeout, kConnectionTimeoutRange));
    w[kWordRunLedTimeout] =
        static_cast<uint16_t>(ReadField(RunLedTimeoutField, in.runLedTimeout, kRunLedTimeoutRange));
}

CCCLinkDialogModel::Inputs CCCLinkDialogModel::Initial() const {
    return {std::to_string(image_.words[kWordCcLinkNode]),
            SelectionOf(Rates(), image_.words[kWordCcLinkRate])};
}

void CCCLinkDialogModel::Accept(const Inputs& in) {
    image_.words[kWordCcLinkNode] =
        static_cast<uint16_t>(ReadField(NodeField, in.node, kCcLinkNodeRange));
    StoreIndex(image_.words[kWordCcLinkRate], in.rate, 5);
}

}  // namespace voltaro
