#include "core/comm/connection_values.h"

#include <cstdlib>
#include <iterator>

#include "core/comm/rtu_framing.h"
#include "core/platform/message_format.h"
#include "core/platform/string_table.h"
#include "core/platform/ui_text_ids.h"

namespace voltaro {
namespace {

bool ParseInt(const std::string& text, int low, int high, int& value) {
    if (text.empty() || text.size() > 9) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    value = std::atoi(text.c_str());
    return value >= low && value <= high;
}

}  // namespace

std::string ApplyConnectionValue(const std::string& name, const std::string& value,
                                 CComSettings& s) {
    if (name == "--tcp") {
        auto colon = value.rfind(':');
        std::string host = colon == std::string::npos ? value : value.substr(0, colon);
        if (host.empty()) return LoadString(kTextCliTcpHost);
        s.mode = ModbusTcp;
        s.serverAddress = host;
        if (colon != std::string::npos) {
            if (colon + 1 >= value.size()) return LoadString(kTextCliTcpPortMissing);
            s.servicePort = value.substr(colon + 1);
            if (!IsValidServicePort(s.servicePort)) return LoadString(kTextCliTcpPort);
        }
        return {};
    }
    if (name == "--serial" || name == "--infrared") {
        if (value.empty()) return FormatMessageId(kTextCliPortPath, {name});
        const bool infrared = name == "--infrared";
        s.mode = infrared ? Infrared : ModbusRtu;
        (infrared ? s.irComPortName : s.comPortName) = value;
        (infrared ? s.irComPortDisplayName : s.comPortDisplayName) = value;
        return {};
    }
    if (name == "--address") {
        int address = 0;
        if (!ParseInt(value, kMinDeviceAddress, kMaxDeviceAddress, address))
            return LoadString(kTextCliAddress);
        s.address = address;
        return {};
    }
    if (name == "--baud") {
        int rate = 0;
        const int index = ParseInt(value, 1, 38400, rate) ? BaudIndexOfRate(rate) : -1;
        if (index < 0) return LoadString(kTextCliBaud);
        s.baudrate = index;
        return {};
    }
    if (name == "--parity") {
        static const char* kNames[] = {"none", "odd", "even"};
        for (int i = 0; i < 3; ++i)
            if (value == kNames[i]) {
                s.parity = i;
                return {};
            }
        return LoadString(kTextCliParity);
    }
    if (name == "--stop") {
        if (value != "1" && value != "2") return LoadString(kTextCliStop);
        s.stop = value == "2" ? 1 : 0;
        return {};
    }
    return FormatMessageId(kTextCliUnknownOption, {name});
}

bool IsConnectionValueName(const std::string& name) {
    for (const char* o :
         {"--tcp", "--serial", "--infrared", "--address", "--baud", "--parity", "--stop"})
        if (name == o) return true;
    return false;
}

}  // namespace voltaro
