#include "gui/app/application.h"

#include <unistd.h>
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string_view>

#include "core/app/app_settings.h"
#include "core/comm/com_settings.h"
#include "core/platform/cancelled.h"
#include "core/platform/message_format.h"
#include "core/platform/message_ids.h"
#include "core/platform/private_exception.h"
#include "core/platform/profile.h"
#include "core/platform/program_version.h"
#include "core/platform/resource_module.h"
#include "core/platform/ui_text_ids.h"
#include "gui/app/main_window.h"
#include "gui/app/message_box.h"
#include "gui/app/qt_text.h"
#include "gui/app/qt_translations.h"
#include "gui/app/screenshot_run.h"
#include "sim/simulator.h"

namespace voltaro {

namespace {

// Reports the first paint of the window it watches.
class FirstPaintWatch : public QObject {
  public:
    explicit FirstPaintWatch(qint64 startNs) : startNs_(startNs) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !reported_) {
            reported_ = true;
            const double sinceMain = static_cast<double>(NowNs() - startNs_) / 1e6;
            std::fprintf(stderr, "startup-to-first-paint-ms: %.1f (since main: %.1f)\n",
                         ProcessAgeMs(), sinceMain);
        }
        return QObject::eventFilter(watched, event);
    }
    // Time since the process was created (10 ms resolution), from its start time in
    // /proc/self/stat and the boot-time clock; -1 when unknown.
    static double ProcessAgeMs() {
        std::FILE* stat = std::fopen("/proc/self/stat", "r");
        if (stat == nullptr) return -1;
        char buffer[1024] = {};
        const std::size_t length = std::fread(buffer, 1, sizeof buffer - 1, stat);
        std::fclose(stat);
        buffer[length] = '\0';
        // Fields after the command name (which may hold blanks) start behind the last ')'.
        const char* rest = std::strrchr(buffer, ')');
        unsigned long long startTicks = 0;
        if (rest == nullptr ||
            std::sscanf(rest + 2,
                        "%*c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %*u %*u %*d %*d "
                        "%*d %*d %*d %*d %llu",
                        &startTicks) != 1) {
            return -1;
        }
        timespec boot{};
        clock_gettime(CLOCK_BOOTTIME, &boot);
        const double nowMs =
            static_cast<double>(boot.tv_sec) * 1000.0 + static_cast<double>(boot.tv_nsec) / 1e6;
        return nowMs -
               static_cast<double>(startTicks) * 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
    }

    static qint64 NowNs() {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        return static_cast<qint64>(now.tv_sec) * 1000000000 + now.tv_nsec;
    }

  private:
    qint64 startNs_;
    bool reported_ = false;
};

}  // namespace

bool CVoltaroApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const CCancelled&) {
        // The user's Cancel ended the work: nothing to show.
    } catch (const CPrivateException& error) {
        ShowException(activeWindow(), error);
    } catch (const std::exception& error) {
        ShowError(activeWindow(), std::string(error.what()));
    }
    return false;
}

bool PrintHelpOrVersion(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        const bool help = argument == "--help" || argument == "-h";
        if (!help && argument != "--version") continue;
        LoadCommandLineLanguage(UserDisplayLanguage());
        const std::string text =
            help ? FormatMessageId(kTextDesktopUsage, {kDeviceTypeCount - 1, kDefaultSimulatedRow,
                                                       CUserProfile::DefaultPath()})
                 : VersionText();
        std::fputs(text.c_str(), stdout);
        return true;
    }
    return false;
}

bool ParseStartOptions(const QStringList& arguments, StartOptions& options, QString& error) {
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--simulate")) {
            options.simulateRow = kDefaultSimulatedRow;
        } else if (argument.startsWith(QLatin1String("--simulate="))) {
            bool ok = false;
            const int row = argument.mid(11).toInt(&ok);
            if (!ok || row < 0 || row >= kDeviceTypeCount) {
                error =
                    QStringLiteral("--simulate: row 0 to %1 expected").arg(kDeviceTypeCount - 1);
                return false;
            }
            options.simulateRow = row;
        } else if (argument == QLatin1String("--screenshot") && i + 1 < arguments.size()) {
            options.screenshotPath = arguments[++i];
        } else if (argument == QLatin1String("--monitor-seconds") && i + 1 < arguments.size()) {
            bool ok = false;
            options.monitorSeconds = arguments[++i].toDouble(&ok);
            if (!ok || options.monitorSeconds < 0) {
                error = QStringLiteral("--monitor-seconds: a number of seconds expected");
                return false;
            }
        } else if (argument == QLatin1String("--startup-time")) {
            options.printStartupTime = true;
        } else {
            error = QStringLiteral("unknown argument: %1").arg(argument);
            return false;
        }
    }
    return true;
}

CSimulatedSetup::CSimulatedSetup(int row) {
    sim::SimulatorOptions options;
    options.device.row = row;
    simulator_ = std::make_unique<sim::Simulator>(options);
    port_ = simulator_->StartTcp("127.0.0.1", 0);

    std::string pattern = (std::filesystem::temp_directory_path() / "voltaro-sim-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw CPrivateException(kMsgSaveError, errno);
    directory_ = pattern;
    profilePath_ = directory_ + "/VOLTARO.ini";
    ::setenv("VOLTARO_PROFILE", profilePath_.c_str(), 1);

    CUserProfile profile(profilePath_);
    CComSettings settings(profile);
    settings.mode = ModbusTcp;
    settings.serverAddress = "127.0.0.1";
    settings.servicePort = std::to_string(port_);
    settings.Save(profile);
    profile.SetInt(kSettingsSection, "DeviceId", row);
    if (!profile.Save()) throw CPrivateException(kMsgSaveError, errno);
}

CSimulatedSetup::~CSimulatedSetup() {
    if (simulator_) simulator_->Stop();
    std::error_code ignored;
    if (!directory_.empty()) std::filesystem::remove_all(directory_, ignored);
}

int RunApplication(const StartOptions& options, qint64 startNs) {
    // The user's own profile, before a simulated set-up points VOLTARO_PROFILE elsewhere.
    const std::string userProfilePath = CUserProfile::DefaultPath();
    std::unique_ptr<CSimulatedSetup> simulated;
    if (options.simulateRow) {
        try {
            simulated = std::make_unique<CSimulatedSetup>(*options.simulateRow);
        } catch (const CPrivateException& error) {
            ShowException(nullptr, error);
            return 1;
        }
    }

    // With --simulate only the connection settings and the model are the simulator's: the
    // language, the report option, the recent files and the last folder are read from and
    // kept in the user's profile. A screenshot run keeps everything private, so that its
    // pictures do not depend on who takes them.
    const bool userSettings = !simulated || options.screenshotPath.isEmpty();
    const std::string profilePath = userSettings ? userProfilePath : CUserProfile::DefaultPath();
    AppSettings settings = AppSettings::Load(CUserProfile(profilePath));
    const int userDeviceId = settings.deviceId;
    if (simulated) settings.deviceId = *options.simulateRow;
    CSettingsStocker stocker;
    ParameterImage carryOver = MakeCarryOverImage(stocker, settings.deviceId);
    if (!LoadLanguage(settings.displayLanguage))
        ShowError(nullptr, Text(kMsgCantLoadLanguageModule));

    FirstPaintWatch watch(startNs);
    bool screenshotFailed = false;
    int result = 0;
    bool first = true;
    MainWindowSession session;
    do {
        ApplyQtTranslations(CurrentLanguage());
        CBasicParameterDialog window(carryOver, settings, session);
        if (first && options.printStartupTime) window.installEventFilter(&watch);
        if (first && !options.screenshotPath.isEmpty()) {
            QTimer::singleShot(0, &window, [&window, &options, &screenshotFailed] {
                RunScreenshots(window, options.screenshotPath,
                               static_cast<int>(options.monitorSeconds * 1000), screenshotFailed);
            });
        }
        first = false;
        window.show();
        result = window.exec();
    } while (result == CBasicParameterDialog::kShowAgain);

    // The simulated model does not replace the model of the user's own device.
    settings.deviceId = simulated && userSettings ? userDeviceId : RememberedDeviceId(carryOver);
    SaveAppSettings(settings, profilePath);
    return screenshotFailed ? 1 : 0;
}

}  // namespace voltaro
