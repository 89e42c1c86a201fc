#include "core/comm/com_settings.h"

#include "core/platform/profile.h"

namespace voltaro {

CComSettings CComSettings::LoadFromUserProfile() {
    return CComSettings(CUserProfile());
}

void CComSettings::Load(const CUserProfile& profile) {
    const CComSettings defaults;
    const char* s = kComSettingsSection;
    mode = profile.GetInt(s, "Mode", defaults.mode);
    address = profile.GetInt(s, "Address", defaults.address);
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
