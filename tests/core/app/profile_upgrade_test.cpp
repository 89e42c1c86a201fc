// Profiles that this version did not write itself: one left by an older version, and a
// damaged one. What can be read is read, the rest takes its default, and saving keeps what
// this version does not own, so that the profile survives upgrades in both directions.
#include <gtest/gtest.h>

#include <string>

#include "core/app/app_settings.h"
#include "core/comm/com_settings.h"
#include "core/platform/profile.h"
#include "core/platform/temp_dir.h"
#include "support/scoped_env.h"

namespace voltaro {
namespace {

using test::ReadFile;
using test::ScopedEnv;
using test::TempDir;
using test::WriteFile;

// UTF-16LE with a byte order mark, as a Windows editor saves an exported profile.
std::string Utf16Le(const std::string& ascii) {
    std::string out = "\xFF\xFE";
    for (char c : ascii) {
        out += c;
        out += '\0';
    }
    return out;
}

void SaveBoth(const std::string& path, const AppSettings& app, const CComSettings& com) {
    ASSERT_TRUE(SaveAppSettings(app, path));
    CUserProfile profile(path);
    com.Save(profile);
    ASSERT_TRUE(profile.Save());
}

TEST(ProfileUpgrade, AnOlderProfileIsReadAndWhatThisVersionDoesNotUseIsKept) {
    const std::string older =
        "; VOLTARO 0.9\n"
        "[settings]\n"
        "deviceid = 19\n"
        "DisplayLanguage=1\n"
        "WindowPlacement=10,10,800,600\n"
        "[COMSETTINGS]\n"
        "Mode=1\n"
        "ServerAddress=\"10.1.2.3\"\n"
        "ServicePort=1502\n"
        "Address=7\n"
        "[Recent]\n"
        "File1=/home/u/a.cfg\n";
    for (const std::string& bytes : {older, Utf16Le(older)}) {
        SCOPED_TRACE(bytes.size());
        TempDir dir;
        const std::string path = dir.File("VOLTARO.ini");
        WriteFile(path, bytes);

        AppSettings app = AppSettings::Load(CUserProfile(path));
        EXPECT_EQ(app.deviceId, 19);
        EXPECT_EQ(app.displayLanguage, 1);
        EXPECT_TRUE(app.hideIgnoreParameters);  // not written by that version: the default
        CComSettings com{CUserProfile(path)};
        EXPECT_EQ(com.mode, ModbusTcp);
        EXPECT_EQ(com.serverAddress, "10.1.2.3");
        EXPECT_EQ(com.servicePort, "1502");
        EXPECT_EQ(com.address, 7);
        EXPECT_EQ(com.baudrate, CComSettings().baudrate);

        app.deviceId = 4;
        com.address = 9;
        SaveBoth(path, app, com);
        const std::string saved = ReadFile(path);
        for (const char* kept :
             {"; VOLTARO 0.9", "WindowPlacement=10,10,800,600", "[Recent]", "File1=/home/u/a.cfg"})
            EXPECT_NE(saved.find(kept), std::string::npos) << kept;
        CUserProfile back(path);
        EXPECT_EQ(back.GetInt("Settings", "DeviceId", -1), 4);
        EXPECT_EQ(back.GetInt("Settings", "DisplayLanguage", -1), 1);
        EXPECT_EQ(back.GetInt("ComSettings", "Address", -1), 9);
        EXPECT_EQ(back.GetString("ComSettings", "ServerAddress", ""), "10.1.2.3");
    }
}

TEST(ProfileUpgrade, ADamagedProfileKeepsTheConnectionSettingsThatCanBeRead) {
    TempDir dir;
    const std::string path = dir.File("VOLTARO.ini");
    static const char kDamaged[] =
        "[Settings]\r\n"
        "DeviceId=12abc\r\n"
        "DisplayLanguage=\xFF\xFE\r\n"
        "\0\0\0 no key here\r\n"
        "[ComSettings\r\n"
        "Baudrate=3\r\n"
        "[ComSettings]\r\n"
        "Address=12\r\n"
        "Mode=1\r\n"
        "ServerAddress=10.9.8.7\r\n"
        "ServicePort=15";
    WriteFile(path, std::string(kDamaged, sizeof kDamaged - 1));

    AppSettings app = AppSettings::Load(CUserProfile(path));
    EXPECT_EQ(app.deviceId, 0);
    EXPECT_EQ(app.displayLanguage, -1);
    const CComSettings com{CUserProfile(path)};
    EXPECT_EQ(com.address, 12);
    EXPECT_EQ(com.mode, ModbusTcp);
    EXPECT_EQ(com.serverAddress, "10.9.8.7");
    EXPECT_EQ(com.servicePort, "15");  // the last line, cut off without its line break
    // Under a broken section header the key belongs to no [ComSettings]: the default.
    EXPECT_EQ(com.baudrate, CComSettings().baudrate);

    app.deviceId = 19;
    ASSERT_TRUE(SaveAppSettings(app, path));
    const CComSettings again{CUserProfile(path)};
    EXPECT_EQ(again.address, 12);
    EXPECT_EQ(again.serverAddress, "10.9.8.7");
    EXPECT_EQ(again.servicePort, "15");
    EXPECT_EQ(AppSettings::Load(CUserProfile(path)).deviceId, 19);
}

TEST(ProfileUpgrade, TheProfilePathDependsOnNoVersionAndIgnoresARelativeConfigHome) {
    ScopedEnv profile("VOLTARO_PROFILE", nullptr);
    ScopedEnv home("HOME", "/home/someone");
    const std::string standard = "/home/someone/.config/Orvanta/VOLTARO.ini";
    for (const char* config : {"relative/config", "", "./x"}) {
        ScopedEnv xdg("XDG_CONFIG_HOME", config);
        EXPECT_EQ(CUserProfile::DefaultPath(), standard) << config;
    }
    ScopedEnv empty("VOLTARO_PROFILE", "");
    EXPECT_EQ(CUserProfile::DefaultPath(), standard);
}

}  // namespace
}  // namespace voltaro
