// Start-up options and the simulated set-up of voltaro --simulate.
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "core/app/app_settings.h"
#include "core/comm/com_settings.h"
#include "core/comm/modbus_interface.h"
#include "core/platform/profile.h"
#include "gui/app/application.h"

namespace voltaro {
namespace {

TEST(StartOptions, SimulateScreenshotAndErrors)
{
    StartOptions options;
    QString error;
    ASSERT_TRUE(ParseStartOptions({"--simulate"}, options, error));
    EXPECT_EQ(options.simulateRow, kDefaultSimulatedRow);
    options = {};
    ASSERT_TRUE(ParseStartOptions({"--simulate=52", "--screenshot", "/tmp/x.png"}, options, error));
    EXPECT_EQ(options.simulateRow, 52);
    EXPECT_EQ(options.screenshotPath, QStringLiteral("/tmp/x.png"));
    for (const QStringList& bad : {QStringList{"--simulate=79"}, QStringList{"--simulate=x"},
                                   QStringList{"--screenshot"}, QStringList{"--bogus"}}) {
        options = {};
        EXPECT_FALSE(ParseStartOptions(bad, options, error)) << bad.join(' ').toStdString();
        EXPECT_FALSE(error.isEmpty());
    }
}

TEST(SimulatedSetup, PrivateProfilePointsAtTheSimulatedDevice)
{
    std::string directory;
    {
        CSimulatedSetup setup(4);
        const std::string path = setup.ProfilePath();
        directory = std::filesystem::path(path).parent_path().string();
        EXPECT_EQ(CUserProfile::DefaultPath(), path);
        struct stat info {};
        ASSERT_EQ(::stat(path.c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 0777, 0600u);
        const CComSettings settings{CUserProfile(path)};
        EXPECT_EQ(settings.mode, ModbusTcp);
        EXPECT_EQ(settings.serverAddress, "127.0.0.1");
        EXPECT_EQ(settings.servicePort, std::to_string(setup.Port()));
        EXPECT_EQ(AppSettings::Load(CUserProfile(path)).deviceId, 4);
        // The device answers there.
        CModbusInterface client(settings);
        client.Open();
        CDeviceType type;
        type.ReadFromDevice(client);
        client.Close();
        EXPECT_EQ(type.typeIndex, 4);
    }
    EXPECT_FALSE(std::filesystem::exists(directory));
    ::unsetenv("VOLTARO_PROFILE");
}

}  // namespace
}  // namespace voltaro
