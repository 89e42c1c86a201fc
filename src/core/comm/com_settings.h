#pragma once
// The PC side of a connection: link kind, ports, line settings, device address and
// TCP server, kept in the per-user profile under section "ComSettings".
#include <string>
#include <string_view>

#include "core/model/parameter_ranges.h"

namespace voltaro {

class CUserProfile;

enum ConnectionMode { ModbusRtu = 0, ModbusTcp = 1, Infrared = 2 };

class CComSettings {
  public:
    // Default values, without touching any profile (a plain value: tests, tools and
    // copies use it). LoadFromUserProfile gives the stored settings.
    CComSettings() = default;
    // Loaded from the profile (each key with its default).
    explicit CComSettings(const CUserProfile& profile) { Load(profile); }

    // The settings stored in the per-user profile.
    static CComSettings LoadFromUserProfile();

    void Load(const CUserProfile& profile);
    // Writes every key, "Character" always as 1. The caller saves the profile file.
    void Save(CUserProfile& profile) const;

    int mode = ModbusRtu;
    int address = 1;
    int comPort = 0;
    std::string comPortName;
    std::string comPortDisplayName;
    std::string irComPortName;
    std::string irComPortDisplayName;
    int baudrate = 5;   // index into 1200 ... 38400
    int character = 1;  // 8 data bits, always after loading
    int parity = 1;     // 0 none, 1 odd, 2 even
    int stop = 0;       // 0 one stop bit, 1 two
    std::string serverAddress = "192.168.0.1";
    std::string servicePort = "502";
};

constexpr const char* kComSettingsSection = "ComSettings";

constexpr int kMaxServicePort = 65535;

bool IsValidDeviceAddress(int address);
// Whether text is a TCP port number 1 - 65535 (decimal digits only: nothing may wrap).
bool IsValidServicePort(std::string_view text);

}  // namespace voltaro
