// Entry point of the desktop program.
#include <QApplication>
#include <QIcon>
#include <cstdio>
#include <ctime>

#include "gui/app/application.h"

int main(int argc, char** argv) {
    timespec start{};
    clock_gettime(CLOCK_MONOTONIC, &start);
    const qint64 startNs = static_cast<qint64>(start.tv_sec) * 1000000000 + start.tv_nsec;

    if (voltaro::PrintHelpOrVersion(argc, argv)) return 0;
    voltaro::CVoltaroApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral(VOLTARO_PRODUCT_NAME));
    QApplication::setApplicationVersion(QStringLiteral(VOLTARO_PRODUCT_VERSION));
    // The installed menu entry and icon, so that the desktop shows the windows with them.
    QApplication::setDesktopFileName(QStringLiteral(VOLTARO_APP_ID));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral(VOLTARO_APP_ID)));

    voltaro::StartOptions options;
    QString error;
    if (!voltaro::ParseStartOptions(QApplication::arguments().mid(1), options, error)) {
        std::fprintf(stderr, "voltaro: %s\n", error.toLocal8Bit().constData());
        return 2;
    }
    return voltaro::RunApplication(options, startNs);
}
