#pragma once
// Start-up of the desktop program: settings, the carry-over image, the language module,
// and the main window run in a loop while it asks to be shown again (language switch).
//
// Command line:
//   --simulate[=ROW]   serve a simulated device of catalogue row ROW (default 4) on a free
//                      loopback port and use a profile of its own, in a fresh temporary
//                      directory, whose connection settings point at it (the user's own
//                      language, recent files and last folder are kept)
//   --screenshot PATH  upload from the device once the window is up (accepting the Connect
//                      dialog as it stands), save a picture of the main window to PATH, then
//                      open the monitor and, once it shows living values, save a picture of
//                      it beside (PATH with "-monitor" before the extension), quit
//   --monitor-seconds N  with --screenshot: keep monitoring N seconds (default 1.5) before
//                      the monitor's picture is taken (measurements of a running monitor)
//   --startup-time     print the time from start to the first paint of the main window
//   --help, --version  print the usage or the version and quit (no display needed)
#include <QApplication>
#include <QString>
#include <memory>
#include <optional>

namespace voltaro {

namespace sim {
class Simulator;
}

// The application object. A CPrivateException (or any other standard exception) that
// escapes an event handler is shown with the stop icon instead of ending the program; the
// window that was handling the event stays as it is.
class CVoltaroApplication : public QApplication {
  public:
    CVoltaroApplication(int& argc, char** argv) : QApplication(argc, argv) {}
    bool notify(QObject* receiver, QEvent* event) override;
};

struct StartOptions {
    std::optional<int> simulateRow;
    QString screenshotPath;
    double monitorSeconds = 1.5;
    bool printStartupTime = false;
};

constexpr int kDefaultSimulatedRow = 4;

// When the arguments after the program name hold --help (-h) or --version, prints the
// usage or the version text in the locale's language and returns true. Runs before the
// application object exists, so that it needs no display.
bool PrintHelpOrVersion(int argc, char** argv);

// Parses the arguments after the program name; false with a message for unknown ones.
bool ParseStartOptions(const QStringList& arguments, StartOptions& options, QString& error);

// A simulated device on loopback with a private profile pointing at it (VOLTARO_PROFILE is
// set for the rest of the process). The directory goes when the object goes.
class CSimulatedSetup {
  public:
    explicit CSimulatedSetup(int row);
    ~CSimulatedSetup();
    int Port() const { return port_; }
    const std::string& ProfilePath() const { return profilePath_; }

  private:
    std::unique_ptr<sim::Simulator> simulator_;
    std::string directory_;
    std::string profilePath_;
    int port_ = 0;
};

// Runs the program; returns the exit status.
int RunApplication(const StartOptions& options, qint64 startNs);

}  // namespace voltaro
