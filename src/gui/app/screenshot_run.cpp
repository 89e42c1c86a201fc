#include "gui/app/screenshot_run.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>
#include <memory>

#include "gui/app/main_window.h"
#include "gui/controls/harmonics_graph.h"
#include "gui/dialogs/comm_dialog.h"
#include "gui/monitor/my_voltaro_dlg.h"

namespace voltaro {

namespace {

// How long the monitor may take to show its first whole pass.
constexpr int kMonitorTimeoutMs = 20000;

void Fail(bool& failed, const char* what) {
    std::fprintf(stderr, "voltaro: %s\n", what);
    failed = true;
}

// Accepts every Connect dialog as it stands and closes every message box (failing the
// run); saves and closes the monitor once it has shown values for a while.
void AnswerUnattended(QObject* owner, const QString& monitorPath, int monitorMs, bool& failed) {
    auto* timer = new QTimer(owner);
    auto clock = std::make_shared<QElapsedTimer>();
    auto aliveSince = std::make_shared<QElapsedTimer>();
    QObject::connect(
        timer, &QTimer::timeout, owner, [&failed, monitorPath, monitorMs, clock, aliveSince] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* dialog = qobject_cast<CCommDialog*>(modal)) {
                dialog->accept();
            } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                std::fprintf(stderr, "voltaro: %s\n", box->text().toLocal8Bit().constData());
                failed = true;
                box->done(QMessageBox::Ok);
            } else if (auto* monitor = qobject_cast<CMyVOLTARODlg*>(modal)) {
                if (!clock->isValid()) clock->start();
                const bool alive =
                    !monitor->HarmonicsGraph()->Waiting() && !monitor->Model().CommError();
                if (alive && !aliveSince->isValid()) aliveSince->start();
                if (aliveSince->isValid() && aliveSince->elapsed() >= monitorMs) {
                    if (!monitor->grab().save(monitorPath)) Fail(failed, "cannot save the monitor");
                    monitor->done(0);
                } else if (!aliveSince->isValid() && clock->elapsed() > kMonitorTimeoutMs) {
                    Fail(failed, "the monitor showed no values");
                    monitor->grab().save(monitorPath);
                    monitor->done(0);
                }
            }
        });
    timer->start(20);
}

}  // namespace

QString MonitorPicturePath(const QString& path) {
    const QFileInfo info(path);
    const QString suffix =
        info.suffix().isEmpty() ? QString() : QStringLiteral(".") + info.suffix();
    return info.dir().filePath(info.completeBaseName() + QStringLiteral("-monitor") + suffix);
}

void RunScreenshots(CBasicParameterDialog& window, const QString& path, int monitorMs,
                    bool& failed) {
    AnswerUnattended(&window, MonitorPicturePath(path), monitorMs, failed);
    window.Upload();
    if (!window.grab().save(path)) Fail(failed, "cannot save the main window");
    window.Monitor();
    window.done(0);
}

}  // namespace voltaro
