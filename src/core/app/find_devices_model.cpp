#include "core/app/find_devices_model.h"

#include "core/app/connect_model.h"
#include "core/comm/rtu_framing.h"
#include "core/platform/message_format.h"
#include "core/platform/scan_text_ids.h"

namespace voltaro {

CComSettings ScanTargetOf(const CComSettings& settings, ConnectInput input, const PortList& ports) {
    input.address = std::to_string(kMinDeviceAddress);
    return AcceptConnectInput(settings, input, ports);
}

CFindDevicesModel::CFindDevicesModel(const CComSettings& current) : current_(current) {}

std::string CFindDevicesModel::TargetText() const {
    if (Tcp())
        return FormatMessageId(kUiScanTargetTcp, {current_.serverAddress, current_.servicePort});
    return FormatMessageId(
        kUiScanTargetSerial,
        {current_.comPortDisplayName.empty() ? current_.comPortName : current_.comPortDisplayName});
}

std::string CFindDevicesModel::BuildPlan(const std::string& addresses,
                                         const std::vector<int>& tickedBauds,
                                         ScanPlan& plan) const {
    ScanPlan result;
    if (std::string error = ParseAddressList(addresses, result.addresses); !error.empty())
        return error;
    if (!Tcp()) {
        std::string bauds;
        for (int index : tickedBauds)
            bauds += (bauds.empty() ? "" : ",") + std::to_string(BaudRateOfIndex(index));
        std::vector<int> indexes;
        if (std::string error = ParseBaudList(bauds, indexes); !error.empty()) return error;
        result.lines =
            ScanLines(indexes, {ParitySelection(current_.parity)}, StopSelection(current_.stop));
    }
    plan = std::move(result);
    return {};
}

std::string CFindDevicesModel::ProgressText(const ScanLine& line, int address, bool tcp) {
    return FormatMessageId(kMsgScanProgress, {address, tcp ? std::string() : ScanLineText(line)});
}

int CFindDevicesModel::ProgressPercent(std::size_t done, std::size_t total) {
    return total == 0 ? 100 : static_cast<int>(done * 100 / total);
}

std::vector<std::string> CFindDevicesModel::RowTexts(const ScanFinding& finding) const {
    return {std::to_string(finding.address), Tcp() ? std::string() : ScanLineText(finding.line),
            finding.identified ? finding.model : finding.reason};
}

ConnectChoice CFindDevicesModel::ChoiceOf(const ScanFinding& finding) {
    ConnectChoice choice;
    choice.mode = finding.settings.mode == ModbusTcp ? ModbusTcp : ModbusRtu;
    choice.address = finding.address;
    choice.baudrate = BaudSelection(finding.line.baudIndex);
    choice.parity = ParitySelection(finding.line.parity);
    choice.stop = StopSelection(finding.line.stop);
    return choice;
}

}  // namespace voltaro
