#include "core/comm/com_settings.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/platform/profile.h"
#include "core/platform/user_notice.h"

namespace voltaro {
namespace {
namespace fs = std::filesystem;

struct ProfileFile {
    ProfileFile()
        : path((fs::temp_directory_path() /
                ("voltaro-comsettings-" + std::to_string(::getpid()) + ".ini"))
                   .string()) {
        fs::remove(path);
    }
    ~ProfileFile() { fs::remove(path); }
    std::string path;
};

TEST(ComSettings, FreshProfileGivesTheDefaults) {
    ProfileFile file;
    CComSettings s{CUserProfile(file.path)};
    EXPECT_EQ(s.mode, ModbusRtu);
    EXPECT_EQ(s.address, 1);
    EXPECT_EQ(s.baudrate, 5);
    EXPECT_EQ(s.parity, 1);
    EXPECT_EQ(s.stop, 0);
    EXPECT_EQ(s.character, 1);
    EXPECT_EQ(s.serverAddress, "192.168.0.1");
    EXPECT_EQ(s.servicePort, "502");
    EXPECT_EQ(s.comPortName, "");
}

TEST(ComSettings, RoundTripAndCharacterAlwaysOne) {
    ProfileFile file;
    {
        CUserProfile profile(file.path);
        profile.SetInt(kComSettingsSection, "Character", 0);
        CComSettings s{profile};
        EXPECT_EQ(s.character, 1);  // never read back
        s.mode = Infrared;
        s.address = 17;
        s.comPort = 3;
        s.comPortName = "\\\\.\\COM12";
        s.comPortDisplayName = "USB Serial Port (COM12)";
        s.irComPortName = "/dev/ttyUSB0";
        s.irComPortDisplayName = "IR adapter (ttyUSB0)";
        s.baudrate = 3;
        s.character = 0;
        s.parity = 2;
        s.stop = 1;
        s.serverAddress = "meter-7.plant";
        s.servicePort = "1502";
        s.Save(profile);
        ASSERT_TRUE(profile.Save());
    }
    CUserProfile reread(file.path);
    EXPECT_EQ(reread.GetInt(kComSettingsSection, "Character", -1), 1);
    CComSettings s{reread};
    EXPECT_EQ(s.mode, Infrared);
    EXPECT_EQ(s.address, 17);
    EXPECT_EQ(s.comPort, 3);
    EXPECT_EQ(s.comPortName, "\\\\.\\COM12");
    EXPECT_EQ(s.comPortDisplayName, "USB Serial Port (COM12)");
    EXPECT_EQ(s.irComPortName, "/dev/ttyUSB0");
    EXPECT_EQ(s.irComPortDisplayName, "IR adapter (ttyUSB0)");
    EXPECT_EQ(s.baudrate, 3);
    EXPECT_EQ(s.parity, 2);
    EXPECT_EQ(s.stop, 1);
    EXPECT_EQ(s.serverAddress, "meter-7.plant");
    EXPECT_EQ(s.servicePort, "1502");
}

// Wrapping values (Address=257 once talked to unit 1, Address=0 broadcast, ServicePort=80556
// to port 15020) are refused: the default is used and the user told of each.
TEST(ComSettings, StoredValuesOutOfRangeGiveTheDefaultsAndAreTold) {
    ProfileFile file;
    std::vector<std::string> told;
    NoticeHandler previous =
        SetNoticeHandler([&](const std::string& text) { told.push_back(text); });
    for (const char* address : {"257", "513", "-255", "0", "248"}) {
        for (const char* port : {"80556", "0", "65536", "-1", "5 02", "http"}) {
            ForgetToldNotices();
            told.clear();
            CUserProfile profile(file.path);
            profile.SetString(kComSettingsSection, "Address", address);
            profile.SetString(kComSettingsSection, "ServicePort", port);
            CComSettings s{profile};
            EXPECT_EQ(s.address, 1) << address;
            EXPECT_EQ(s.servicePort, "502") << port;
            ASSERT_EQ(told.size(), 2u);
            EXPECT_NE(told[0].find(std::string("Address=") + address), std::string::npos)
                << told[0];
            EXPECT_NE(told[1].find(std::string("ServicePort=") + port), std::string::npos)
                << told[1];
        }
    }
    CUserProfile profile(file.path);
    profile.SetString(kComSettingsSection, "Address", "247");
    profile.SetString(kComSettingsSection, "ServicePort", "65535");
    told.clear();
    CComSettings s{profile};
    EXPECT_EQ(s.address, 247);
    EXPECT_EQ(s.servicePort, "65535");
    EXPECT_TRUE(told.empty());
    SetNoticeHandler(previous);
}

TEST(ComSettings, ServicePortsAreDecimalNumbersThatFit) {
    for (const char* good : {"1", "502", "65535", "00502"})
        EXPECT_TRUE(IsValidServicePort(good)) << good;
    for (const char* bad : {"", "0", "65536", "80556", "999999", "+502", "502 ", "0x1f6", "modbus"})
        EXPECT_FALSE(IsValidServicePort(bad)) << bad;
}

}  // namespace
}  // namespace voltaro
