// Start-up options, the simulated set-up of voltaro --simulate, and the main window loop.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <filesystem>

#include "core/app/app_settings.h"
#include "core/app/main_window_ids.h"
#include "core/comm/com_settings.h"
#include "core/comm/modbus_interface.h"
#include "core/device/device_identification.h"
#include "core/platform/profile.h"
#include "core/platform/resource_module.h"
#include "gui/app/application.h"
#include "gui/app/main_window.h"
#include "gui/app/screenshot_run.h"
#include "gui_driver.h"

namespace voltaro {
namespace {

TEST(StartOptions, SimulateScreenshotAndErrors) {
    StartOptions options;
    QString error;
    ASSERT_TRUE(ParseStartOptions({"--simulate"}, options, error));
    EXPECT_EQ(options.simulateRow, kDefaultSimulatedRow);
    options = {};
    ASSERT_TRUE(ParseStartOptions(
        {"--simulate=52", "--screenshot", "/tmp/x.png", "--monitor-seconds", "60"}, options,
        error));
    EXPECT_EQ(options.simulateRow, 52);
    EXPECT_EQ(options.screenshotPath, QStringLiteral("/tmp/x.png"));
    EXPECT_EQ(options.monitorSeconds, 60.0);
    EXPECT_EQ(MonitorPicturePath(options.screenshotPath), QStringLiteral("/tmp/x-monitor.png"));
    for (const QStringList& bad :
         {QStringList{"--simulate=79"}, QStringList{"--simulate=x"}, QStringList{"--screenshot"},
          QStringList{"--monitor-seconds", "-1"}, QStringList{"--bogus"}}) {
        options = {};
        EXPECT_FALSE(ParseStartOptions(bad, options, error)) << bad.join(' ').toStdString();
        EXPECT_FALSE(error.isEmpty());
    }
}

TEST(SimulatedSetup, PrivateProfilePointsAtTheSimulatedDevice) {
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
        const CDeviceType type = ReadFromDevice(client);
        client.Close();
        EXPECT_EQ(type.typeIndex, 4);
    }
    EXPECT_FALSE(std::filesystem::exists(directory));
    ::unsetenv("VOLTARO_PROFILE");
}

// Runs the program with options; round runs once on each main window it shows (the window
// is shown before it runs, so it is found among the top-level widgets, each new window
// once, rather than as the active modal widget).
int RunWithRounds(const StartOptions& options,
                  const std::function<void(CBasicParameterDialog*)>& round) {
    QElapsedTimer clock;
    clock.start();
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* window = qobject_cast<CBasicParameterDialog*>(widget);
            if (window == nullptr || !window->isVisible()) continue;
            if (clock.elapsed() > 60000) {
                ADD_FAILURE() << "main window loop took too long";
                window->done(0);
            } else if (!window->property("seen").isValid()) {
                window->setProperty("seen", true);
                round(window);
            }
            return;
        }
    });
    poll.start(10);
    return RunApplication(options, 0);
}

// With --simulate the model and the connection are the simulator's, but the language and the
// recent files are the user's: read from the user's profile and kept there.
TEST(RunApplication, SimulateKeepsTheUsersLanguageAndFiles) {
    test::ScratchProfile profile;
    {
        CUserProfile stored(profile.ProfilePath());
        stored.SetInt(kSettingsSection, "DeviceId", 19);
        stored.SetInt(kSettingsSection, "DisplayLanguage", 1);
        stored.SetString(kSettingsSection, "RecentFile1", "/plant/a.cfg");
        stored.Save();
    }
    StartOptions options;
    options.simulateRow = 52;
    int rounds = 0;
    const int status = RunWithRounds(options, [&](CBasicParameterDialog* window) {
        ++rounds;
        EXPECT_EQ(window->Image().deviceType.typeIndex, 52);
        if (rounds == 1) {
            EXPECT_EQ(CurrentLanguage(), 1);
            FindControlAs<QPushButton>(window, kIdLanguage)->click();
        } else {
            EXPECT_EQ(CurrentLanguage(), 0);
            window->done(0);
        }
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(rounds, 2);
    const CUserProfile back(profile.ProfilePath());
    EXPECT_EQ(back.GetInt(kSettingsSection, "DisplayLanguage", -5), 0);
    EXPECT_EQ(back.GetInt(kSettingsSection, "DeviceId", -5), 19) << "the user's own model stays";
    EXPECT_EQ(back.GetString(kSettingsSection, "RecentFile1", ""), "/plant/a.cfg");
    EXPECT_FALSE(back.GetString("ComSettings", "ServerAddress", "").starts_with("127."));
}

// The start-up loop: the window is made anew after each language switch from the carry-over
// image, and closing it for good saves the model shown last and the language.
TEST(RunApplication, LanguageLoopKeepsTheImageAndSavesTheSettings) {
    test::ScratchProfile profile;
    {
        CUserProfile stored(profile.ProfilePath());
        stored.SetInt(kSettingsSection, "DeviceId", 4);
        stored.SetInt(kSettingsSection, "DisplayLanguage", 0);
        stored.Save();
    }
    int chosenRow = -1;
    int rounds = 0;
    std::function<void(CBasicParameterDialog*)> round = [&](CBasicParameterDialog* window) {
        ++rounds;
        auto* prefix = FindControlAs<QComboBox>(window, kIdModelPrefix);
        auto* ctPrimary = FindControlAs<QLineEdit>(window, kIdCtPrimary);
        if (rounds == 1) {
            EXPECT_EQ(window->Image().deviceType.typeIndex, 4);
            if (!test::PickComboEntry(prefix, QStringLiteral("KT6-"))) {
                window->done(0);
                return;
            }
            ctPrimary->setText(QStringLiteral("777"));
            chosenRow = window->Image().deviceType.typeIndex;
        } else {
            // Made anew in the other language, showing the same model and values.
            EXPECT_EQ(CurrentLanguage(), rounds == 2 ? 1 : 0);
            EXPECT_EQ(prefix->currentText(), QStringLiteral("KT6-"));
            EXPECT_EQ(ctPrimary->text(), QStringLiteral("777"));
            EXPECT_EQ(window->Image().deviceType.typeIndex, chosenRow);
            EXPECT_TRUE(window->IsModified()) << "the change is still unsaved";
        }
        if (rounds < 3) {
            FindControlAs<QPushButton>(window, kIdLanguage)->click();
        } else {
            window->done(0);
        }
    };
    EXPECT_EQ(RunWithRounds(StartOptions{}, round), 0);
    EXPECT_EQ(rounds, 3);
    EXPECT_NE(chosenRow, 4);
    const AppSettings saved = AppSettings::Load(CUserProfile(profile.ProfilePath()));
    EXPECT_EQ(saved.deviceId, chosenRow);
    EXPECT_EQ(saved.displayLanguage, 0);
    EXPECT_TRUE(saved.hideIgnoreParameters);
}

}  // namespace
}  // namespace voltaro
