// Connect dialog decisions, progress view rules and the start-up settings.
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <filesystem>

#include "core/app/app_settings.h"
#include "core/app/connect_model.h"
#include "core/app/progress_view.h"
#include "core/app/protect_input.h"
#include "core/platform/message_format.h"
#include "core/platform/message_ids.h"
#include "core/platform/profile.h"
#include "core/platform/string_table.h"
#include "core/settings/setting_fields.h"

namespace voltaro {
namespace {

TEST(ConnectModel, EnablingFollowsTheSelectedLink) {
    EXPECT_TRUE(ConnectControlEnabled(kIdConnectAddress, ModbusRtu));
    EXPECT_TRUE(ConnectControlEnabled(kIdConnectAddress, ModbusTcp));
    EXPECT_FALSE(ConnectControlEnabled(kIdConnectAddress, Infrared));
    EXPECT_TRUE(ConnectControlEnabled(kIdConnectPort, Infrared));
    EXPECT_FALSE(ConnectControlEnabled(kIdConnectPort, ModbusTcp));
    EXPECT_FALSE(ConnectControlEnabled(kIdConnectBaud, Infrared));
    EXPECT_TRUE(ConnectControlEnabled(kIdConnectStopLabel, ModbusRtu));
    EXPECT_TRUE(ConnectControlEnabled(kIdConnectService, ModbusTcp));
    EXPECT_FALSE(ConnectControlEnabled(kIdConnectServer, ModbusRtu));
    EXPECT_TRUE(ConnectControlEnabled(kIdConnectFindDevices, ModbusRtu));
    EXPECT_TRUE(ConnectControlEnabled(kIdConnectFindDevices, ModbusTcp));
    EXPECT_FALSE(ConnectControlEnabled(kIdConnectFindDevices, Infrared));
}

TEST(ConnectModel, LineSettingSelectionsAreClamped) {
    EXPECT_EQ(BaudSelection(5), 5);
    EXPECT_EQ(BaudSelection(9), 5);
    EXPECT_EQ(BaudSelection(-3), 0);
    EXPECT_EQ(ParitySelection(7), 2);
    EXPECT_EQ(StopSelection(3), 1);
    EXPECT_EQ(StopSelection(0), 0);
}

TEST(ConnectModel, DeviceAddressRange) {
    EXPECT_EQ(ReadDeviceAddress("1"), 1);
    EXPECT_EQ(ReadDeviceAddress("247"), 247);
    for (const char* bad : {"248", "0", "", "12x"}) {
        SCOPED_TRACE(bad);
        try {
            ReadDeviceAddress(bad);
            ADD_FAILURE();
        } catch (const SettingFieldError& error) {
            EXPECT_EQ(error.Field(), kIdConnectAddress);
        }
    }
    try {
        ReadDeviceAddress("248");
    } catch (const SettingFieldError& error) {
        EXPECT_NE(error.Message().find("247"), std::string::npos);
    }
}

TEST(ConnectModel, ConnectStoresTheFieldsOfTheChosenLinkOnly) {
    const PortList ports = {{"/dev/ttyS0", "COM1"}, {"/dev/ttyUSB0", "USB Serial"}};
    CComSettings stored;
    stored.address = 17;
    stored.comPortName = stored.irComPortName = "/dev/ttyS0";
    stored.comPortDisplayName = stored.irComPortDisplayName = "COM1";
    ConnectInput input;
    input.address = "5";
    input.port = 1;
    input.baudrate = 2;
    input.parity = 0;
    input.stop = 1;
    input.serverAddress = "10.0.0.9";
    input.servicePort = "1502";

    input.mode = ModbusRtu;
    const CComSettings rtu = AcceptConnectInput(stored, input, ports);
    EXPECT_EQ(rtu.mode, ModbusRtu);
    EXPECT_EQ(rtu.address, 5);
    EXPECT_EQ(rtu.comPortName, "/dev/ttyUSB0");
    EXPECT_EQ(rtu.comPortDisplayName, "USB Serial");
    EXPECT_EQ((std::array{rtu.baudrate, rtu.parity, rtu.stop}), (std::array{2, 0, 1}));
    EXPECT_EQ(rtu.irComPortName, "/dev/ttyS0");
    EXPECT_EQ(rtu.serverAddress, stored.serverAddress);

    input.mode = ModbusTcp;
    const CComSettings tcp = AcceptConnectInput(stored, input, ports);
    EXPECT_EQ(tcp.mode, ModbusTcp);
    EXPECT_EQ(tcp.address, 5);
    EXPECT_EQ(tcp.serverAddress, "10.0.0.9");
    EXPECT_EQ(tcp.servicePort, "1502");
    EXPECT_EQ(tcp.comPortName, "/dev/ttyS0");
    EXPECT_EQ(tcp.baudrate, stored.baudrate);

    // Infra-red talks to unit 1: the address field is neither read nor checked.
    input.mode = Infrared;
    input.address = "999";
    const CComSettings infrared = AcceptConnectInput(stored, input, ports);
    EXPECT_EQ(infrared.mode, Infrared);
    EXPECT_EQ(infrared.address, 17);
    EXPECT_EQ(infrared.irComPortName, "/dev/ttyUSB0");
    EXPECT_EQ(infrared.irComPortDisplayName, "USB Serial");
    EXPECT_EQ(infrared.comPortName, "/dev/ttyS0");
    EXPECT_EQ(infrared.parity, stored.parity);

    for (ConnectionMode mode : {ModbusRtu, ModbusTcp}) {
        input.mode = mode;
        try {
            AcceptConnectInput(stored, input, ports);
            ADD_FAILURE() << "address 999 accepted for mode " << mode;
        } catch (const SettingFieldError& error) {
            EXPECT_EQ(error.Field(), kIdConnectAddress);
        }
    }
}

TEST(ConnectModel, PortMemoryPerModeExactAndLastMatch) {
    CPortMemory memory({"COM1", "USB Serial", "com3", "USB Serial", "IR"}, "USB Serial", "IR");
    EXPECT_EQ(memory.Reselect(ModbusRtu, 0), 3);  // last of two matches
    EXPECT_EQ(memory.Reselect(Infrared, 0), 4);
    EXPECT_EQ(memory.Reselect(ModbusTcp, 2), 2);
    memory.Selected(Infrared, 0);
    EXPECT_EQ(memory.Reselect(Infrared, 3), 0);
    EXPECT_EQ(memory.Reselect(ModbusRtu, 0), 3);         // RTU memory untouched
    CPortMemory gone({"COM1", "COM2"}, "COM3", "Com1");  // case matters
    EXPECT_EQ(gone.Reselect(ModbusRtu, 0), 0);
    EXPECT_EQ(gone.Reselect(Infrared, 1), 1);
}

TEST(ConnectModel, PortMemoryFindsAPortWhoseShownNameChanged) {
    // Names stored by an older version: "COM2" and a USB adapter shown without its /dev path.
    CComSettings settings;
    settings.comPortName = "COM2";
    settings.comPortDisplayName = "COM2";
    settings.irComPortName = "/dev/ttyUSB0";
    settings.irComPortDisplayName = "FT232R USB UART (ttyUSB0)";
    const PortList ports = {{"COM1", "COM1"},
                            {"COM2", "COM2 (/dev/ttyS1)"},
                            {"/dev/ttyUSB0", "FT232R USB UART (/dev/ttyUSB0)"}};
    CPortMemory memory(ports, settings);
    EXPECT_EQ(memory.Reselect(ModbusRtu, 0), 1);
    EXPECT_EQ(memory.Reselect(Infrared, 0), 2);
    memory.Selected(ModbusRtu, 2);
    EXPECT_EQ(memory.Reselect(ModbusRtu, 0), 2);
    settings.comPortName = "/dev/ttyACM9";  // gone under both keys
    settings.comPortDisplayName = "ACM adapter";
    EXPECT_EQ(CPortMemory(ports, settings).Reselect(ModbusRtu, 0), 0);
}

TEST(ProgressView, QualityIconsAndTexts) {
    EXPECT_EQ(QualityIconIndex(100), 3);
    EXPECT_EQ(QualityIconIndex(80), 3);
    EXPECT_EQ(QualityIconIndex(79.9), 2);
    EXPECT_EQ(QualityIconIndex(40), 2);
    EXPECT_EQ(QualityIconIndex(39.9), 1);
    EXPECT_EQ(QualityIconIndex(0.1), 1);
    EXPECT_EQ(QualityIconIndex(0), 0);
    EXPECT_EQ(SuccessRateText(80), "80.0");
    EXPECT_EQ(ProgressBarPosition(99.9), 99);
    EXPECT_EQ(ProgressBarPosition(250), 100);
    EXPECT_EQ(ProgressTextId(CProgressThread::kUpload), kMsgUploadingNow);
    EXPECT_EQ(ProgressTextId(CProgressThread::kDownload), kMsgDownloadingNow);
    EXPECT_EQ(ProgressText(CProgressThread::kDownload, {}), LoadString(kMsgDownloadingNow));
    EXPECT_EQ(ProgressText(CProgressThread::kUpload, {2, 3}),
              FormatMessageId(kMsgRetryingNoAnswer, {2, 3}));
    EXPECT_EQ(FormatMessageId(kMsgRetryingNoAnswer, {2, 3}), "No answer, trying again (2 of 3)...");
}

class StartupSettings : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ =
            std::filesystem::temp_directory_path() / ("voltaro_app_" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir_);
        path_ = (dir_ / "profile.ini").string();
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    std::filesystem::path dir_;
    std::string path_;
};

TEST_F(StartupSettings, DefaultsAndRoundTrip) {
    CUserProfile profile(path_);
    AppSettings settings = AppSettings::Load(profile);
    EXPECT_EQ(settings.deviceId, 0);
    EXPECT_EQ(settings.displayLanguage, -1);
    EXPECT_TRUE(settings.hideIgnoreParameters);
    settings.deviceId = 19;
    settings.displayLanguage = 1;
    settings.hideIgnoreParameters = false;
    settings.Store(profile);
    ASSERT_TRUE(profile.Save());
    const AppSettings back = AppSettings::Load(CUserProfile(path_));
    EXPECT_EQ(back.deviceId, 19);
    EXPECT_EQ(back.displayLanguage, 1);
    EXPECT_FALSE(back.hideIgnoreParameters);
}

TEST_F(StartupSettings, SavingKeepsKeysWrittenByOthers) {
    {
        CUserProfile other(path_);
        other.SetString("ComSettings", "ServerAddress", "10.0.0.7");
        ASSERT_TRUE(other.Save());
    }
    AppSettings settings;
    settings.deviceId = 4;
    ASSERT_TRUE(SaveAppSettings(settings, path_));
    ASSERT_TRUE(SaveHideIgnoreParameters(false, path_));
    CUserProfile back(path_);
    EXPECT_EQ(back.GetString("ComSettings", "ServerAddress", ""), "10.0.0.7");
    EXPECT_EQ(back.GetInt("Settings", "DeviceId", -1), 4);
    EXPECT_EQ(back.GetInt("Settings", "HideIgnoreParameters", -1), 0);
}

TEST(CarryOver, RememberedRowAndUnknownRow) {
    CSettingsStocker stocker;
    EXPECT_EQ(MakeCarryOverImage(stocker, 19).deviceType.typeIndex, 19);
    EXPECT_EQ(MakeCarryOverImage(stocker, 79).deviceType.typeIndex, 0);
    EXPECT_EQ(MakeCarryOverImage(stocker, -5).deviceType.typeIndex, 0);
    ParameterImage unknown;
    unknown.deviceType = CDeviceType(1, 0, 0, {});
    EXPECT_EQ(RememberedDeviceId(unknown), 0);
    EXPECT_EQ(RememberedDeviceId(MakeCarryOverImage(stocker, 52)), 52);
}

}  // namespace
}  // namespace voltaro

namespace voltaro {
namespace {

TEST(ProtectInput, TextsAreComparedAndEmptyMeansZero) {
    const ProtectionChange none = ReadProtectionInput("", "", "");
    EXPECT_EQ(none.current, 0u);
    EXPECT_EQ(none.newPasscode, 0u);
    const ProtectionChange set = ReadProtectionInput("12", "999999999", "999999999");
    EXPECT_EQ(set.current, 12u);
    EXPECT_EQ(set.newPasscode, 999999999u);
    try {
        ReadProtectionInput("", "012", "12");
        FAIL();
    } catch (const SettingFieldError& error) {
        EXPECT_EQ(error.Message(), LoadString(kMsgPasscodeConfirmMismatch));
    }
    EXPECT_THROW(ReadProtectionInput("", "1000000000", "1000000000"), SettingFieldError);
    EXPECT_THROW(ReadProtectionInput("abc", "", ""), SettingFieldError);
}

}  // namespace
}  // namespace voltaro
