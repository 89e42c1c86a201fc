// Entry point of the desktop program.
#include <QApplication>
#include <cstdio>
#include <ctime>

#include "gui/app/application.h"

int main(int argc, char** argv) {
    timespec start{};
    clock_gettime(CLOCK_MONOTONIC, &start);
    const qint64 startNs = static_cast<qint64>(start.tv_sec) * 1000000000 + start.tv_nsec;

    voltaro::CVoltaroApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral(VOLTARO_PRODUCT_NAME));
    QApplication::setApplicationVersion(QStringLiteral(VOLTARO_PRODUCT_VERSION));

    voltaro::StartOptions options;
    QString error;
    if (!voltaro::ParseStartOptions(QApplication::arguments().mid(1), options, error)) {
        std::fprintf(stderr, "voltaro: %s\n", error.toLocal8Bit().constData());
        return 2;
    }
    return voltaro::RunApplication(options, startNs);
}
