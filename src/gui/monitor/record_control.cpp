#include "gui/monitor/record_control.h"

#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <chrono>

#include "core/platform/list_text_ids.h"
#include "core/platform/monitor_tools_text_ids.h"
#include "core/platform/private_exception.h"
#include "core/platform/string_table.h"
#include "core/platform/utc_time.h"
#include "gui/app/control_names.h"
#include "gui/app/message_box.h"
#include "gui/app/qt_text.h"

namespace voltaro {

CRecordControl::CRecordControl(QWidget* window, std::function<MonitorLogColumns()> columns,
                               std::function<void(bool)> changed)
    : QObject(window), window_(window), columns_(std::move(columns)), changed_(std::move(changed)) {
    button_ = new QPushButton(Text(kTextRecord), window);
    NameControl(button_, kIdRecord, "record");
    button_->setAutoDefault(false);
    connect(button_, &QPushButton::clicked, this, &CRecordControl::Clicked);
    status_ = new QLabel(window);
    NameControl(status_, kIdRecordStatus, "record_status");
    status_->setVisible(false);
}

void CRecordControl::Clicked() {
    if (recorder_.Active())
        Stop();
    else
        Start();
}

void CRecordControl::Start() {
    FileDialogOptions options;
    options.title = Text(kTextRecordCaption);
    options.filter = LoadString(kTextCsvFileFilter);
    options.defaultSuffix = QStringLiteral("csv");
    QFileDialog dialog(window_);
    ConfigureFileDialog(dialog, options, true);
    // An existing log of the same columns is appended to, never replaced: no question.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    try {
        recorder_.Start(ToStdString(dialog.selectedFiles().constFirst()), columns_());
    } catch (const CPrivateException& error) {
        ShowException(window_, error);
        return;
    }
    button_->setText(Text(kTextStopRecording));
    changed_(true);
    ShowStatus();
}

void CRecordControl::Stop() {
    if (!recorder_.Active()) return;
    recorder_.Stop();
    button_->setText(Text(kTextRecord));
    changed_(false);
    ShowStatus();
}

template <typename F>
void CRecordControl::Write(F&& write) {
    if (!recorder_.Active()) return;
    try {
        write(IsoUtcTimeText(std::chrono::system_clock::now()));
    } catch (const CPrivateException&) {
        // The recorder has stopped and keeps the message for the status line.
        button_->setText(Text(kTextRecord));
        changed_(false);
    }
    ShowStatus();
}

void CRecordControl::Row(const CMeasurandsKT2& store) {
    Write([&](const std::string& time) { recorder_.Pass(time, store); });
}

void CRecordControl::ErrorRow(const std::string& error) {
    Write([&](const std::string& time) { recorder_.Failure(time, error); });
}

void CRecordControl::ShowStatus() {
    const std::string text = recorder_.StatusText();
    status_->setText(ToQString(text));
    status_->setVisible(!text.empty());
}

}  // namespace voltaro
