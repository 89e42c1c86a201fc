#include "core/comm/com_settings.h"

#include "core/platform/message_format.h"
#include "core/platform/message_ids.h"
#include "core/platform/profile.h"
#include "core/platform/user_notice.h"

namespace voltaro {
namespace {

// A stored value the program cannot use: the default is used, and the user is told.
void TellInvalidSetting(const CUserProfile& profile, const char* key, const std::string& value,
                        const std::string& why, const std::string& defaultValue) {
    TellUserOnce(FormatMessageId(kMsgProfileValueInvalid,
                                 {std::string(key), value, profile.Path(), why, defaultValue}));
}

}  // namespace

bool IsValidDeviceAddress(int address) {
    return address >= kMinDeviceAddress && address <= kMaxDeviceAddress;
}

bool IsValidServicePort(std::string_view text) {
    if (text.empty() || text.size() > 5) return false;
    int port = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        port = port * 10 + (c - '0');
    }
    return port >= 1 && port <= kMaxServicePort;
}

CComSettings CComSettings::LoadFromUserProfile() {
    return CComSettings(CUserProfile());
}

void CComSettings::Load(const CUserProfile& profile) {
    const CComSettings defaults;
    const char* s = kComSettingsSection;
    mode = profile.GetInt(s, "Mode", defaults.mode);
    address = profile.GetInt(s, "Address", defaults.address);
    if (!IsValidDeviceAddress(address)) {
        TellInvalidSetting(profile, "Address", std::to_string(address),
                           FormatMessageId(kMsgProfileAddressRange, {}),
                           std::to_string(defaults.address));
        address = defaults.address;
    }
    comPort = profile.GetInt(s, "COMPort", defaults.comPort);
    comPortName = profile.GetString(s, "COMPortName", defaults.comPortName);
    comPortDisplayName = profile.GetString(s, "COMPortDisplayName", defaults.comPortDisplayName);
    irComPortName = profile.GetString(s, "IRCOMPortName", defaults.irComPortName);
    irComPortDisplayName =
        profile.GetString(s, "IRCOMPortDisplayName", defaults.irComPortDisplayName);
    baudrate = profile.GetInt(s, "Baudrate", defaults.baudrate);
    // The stored value is never read back: the port always uses 8 data bits.
    character = 1;
    parity = profile.GetInt(s, "Parity", defaults.parity);
    stop = profile.GetInt(s, "Stop", defaults.stop);
    serverAddress = profile.GetString(s, "ServerAddress", defaults.serverAddress);
    servicePort = profile.GetString(s, "ServicePort", defaults.servicePort);
    if (!IsValidServicePort(servicePort)) {
        TellInvalidSetting(profile, "ServicePort", servicePort,
                           FormatMessageId(kMsgPortOutOfRange, {servicePort}),
                           defaults.servicePort);
        servicePort = defaults.servicePort;
    }
}

void CComSettings::Save(CUserProfile& profile) const {
    const char* s = kComSettingsSection;
    profile.SetInt(s, "Mode", mode);
    profile.SetInt(s, "Address", address);
    profile.SetInt(s, "COMPort", comPort);
    profile.SetString(s, "COMPortName", comPortName);
    profile.SetString(s, "COMPortDisplayName", comPortDisplayName);
    profile.SetString(s, "IRCOMPortName", irComPortName);
    profile.SetString(s, "IRCOMPortDisplayName", irComPortDisplayName);
    profile.SetInt(s, "Baudrate", baudrate);
    profile.SetInt(s, "Character", 1);
    profile.SetInt(s, "Parity", parity);
    profile.SetInt(s, "Stop", stop);
    profile.SetString(s, "ServerAddress", serverAddress);
    profile.SetString(s, "ServicePort", servicePort);
}

}  // namespace voltaro
