#include "gui/app/screenshot_run.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <memory>
#include <optional>

#include "core/app/main_window_ids.h"
#include "gui/app/control_names.h"
#include "gui/app/main_window.h"
#include "gui/controls/data_grid_view.h"
#include "gui/controls/harmonics_graph.h"
#include "gui/dialogs/comm_dialog.h"
#include "gui/monitor/my_voltaro_dlg.h"
#include "gui/monitor/pm_dialog.h"
#include "gui/monitor/zc_main_page.h"

namespace voltaro {

namespace {

// How long the monitor may take to show its first whole pass.
constexpr int kMonitorTimeoutMs = 20000;

// Whether a monitor window shows living values (nullptr: the widget is no monitor).
std::optional<bool> MonitorAlive(QWidget* modal) {
    if (auto* meter = qobject_cast<CMyVOLTARODlg*>(modal))
        return !meter->HarmonicsGraph()->Waiting() && !meter->Model().CommError();
    if (auto* pm = qobject_cast<CPMDialog*>(modal)) {
        constexpr int kLatestRow = 25;
        return !pm->Model().CommError() &&
               !pm->MainPage()->Upper()->Model().CellText(1, kLatestRow).empty();
    }
    return std::nullopt;
}

void Fail(bool& failed, const char* what) {
    std::fprintf(stderr, "voltaro: %s\n", what);
    failed = true;
}

// Accepts every Connect dialog as it stands and closes every message box (failing the
// run); saves and closes the monitor once it has shown values for a while, and any other
// dialog at once when *dialogPath names its picture.
void AnswerUnattended(QObject* owner, const QString& monitorPath, int monitorMs, bool& failed,
                      std::shared_ptr<QString> dialogPath) {
    auto* timer = new QTimer(owner);
    auto clock = std::make_shared<QElapsedTimer>();
    auto aliveSince = std::make_shared<QElapsedTimer>();
    QObject::connect(
        timer, &QTimer::timeout, owner,
        [&failed, monitorPath, monitorMs, clock, aliveSince, dialogPath] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* dialog = qobject_cast<CCommDialog*>(modal)) {
                dialog->accept();
            } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                std::fprintf(stderr, "voltaro: %s\n", box->text().toLocal8Bit().constData());
                failed = true;
                box->done(QMessageBox::Ok);
            } else if (const std::optional<bool> alive = MonitorAlive(modal)) {
                auto* monitor = static_cast<QDialog*>(modal);
                if (!clock->isValid()) clock->start();
                if (*alive && !aliveSince->isValid()) aliveSince->start();
                if (aliveSince->isValid() && aliveSince->elapsed() >= monitorMs) {
                    if (!monitor->grab().save(monitorPath)) Fail(failed, "cannot save the monitor");
                    monitor->done(0);
                } else if (!aliveSince->isValid() && clock->elapsed() > kMonitorTimeoutMs) {
                    Fail(failed, "the monitor showed no values");
                    monitor->grab().save(monitorPath);
                    monitor->done(0);
                }
            } else if (auto* other = qobject_cast<QDialog*>(modal);
                       other && !dialogPath->isEmpty()) {
                if (!other->grab().save(*dialogPath)) Fail(failed, "cannot save a dialog");
                dialogPath->clear();
                other->reject();
            }
        });
    timer->start(20);
}

}  // namespace

QString PicturePath(const QString& path, const QString& name) {
    const QFileInfo info(path);
    const QString suffix =
        info.suffix().isEmpty() ? QString() : QStringLiteral(".") + info.suffix();
    return info.dir().filePath(info.completeBaseName() + QStringLiteral("-") + name + suffix);
}

QString MonitorPicturePath(const QString& path) {
    return PicturePath(path, QStringLiteral("monitor"));
}

void RunScreenshots(CBasicParameterDialog& window, const QString& path, int monitorMs,
                    bool& failed) {
    auto dialogPath = std::make_shared<QString>();
    AnswerUnattended(&window, MonitorPicturePath(path), monitorMs, failed, dialogPath);
    window.Upload();
    if (!window.grab().save(path)) Fail(failed, "cannot save the main window");
    // The setting dialogs that the user guide shows, where the device type has them: the
    // display settings (or the sigma display of the types without them), the alarms and
    // the communication settings; then the report.
    struct DialogPicture {
        std::initializer_list<int> buttons;  // the first enabled one is shown
        const char* name;
    };
    const DialogPicture kDialogs[] = {
        {{kIdDisplay, kIdSigmaDisp}, "display"}, {{kIdAlarm}, "alarm"}, {{kIdModbus}, "modbus"}};
    for (const DialogPicture& picture : kDialogs) {
        for (int id : picture.buttons) {
            auto* button = FindControlAs<QPushButton>(&window, id);
            if (!button || !button->isEnabled()) continue;
            *dialogPath = PicturePath(path, QString::fromLatin1(picture.name));
            window.RunSettingButton(id);
            break;
        }
    }
    *dialogPath = PicturePath(path, QStringLiteral("report"));
    window.Report();
    dialogPath->clear();
    window.Monitor();
    window.done(0);
}

}  // namespace voltaro
