#include "gui/dialogs/date_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <chrono>
#include <thread>

#include "core/platform/message_ids.h"
#include "core/platform/private_exception.h"
#include "core/platform/ui_text_ids.h"
#include "core/work/background_executor.h"
#include "gui/app/control_names.h"
#include "gui/app/message_box.h"
#include "gui/app/qt_text.h"
#include "gui/dialogs/passcode_prompts.h"
#include "gui/dialogs/setting_dialog.h"

namespace voltaro {
namespace {

const char* const kFieldNames[] = {"year", "month", "day", "hour", "minute", "second"};

}  // namespace

bool CDateDialog::Open(CModbusInterface& client, QWidget* parent, CBackgroundExecutor* executor) {
    ClockWords opening{};
    try {
        WaitCursor wait;
        opening = ReadDeviceClock(client);
    } catch (const CPrivateException& e) {
        ShowException(parent, e);
        return false;
    }
    CDateDialog dialog(client, opening, executor ? *executor : BackgroundExecutor(), parent);
    return dialog.exec() == QDialog::Accepted;
}

CDateDialog::CDateDialog(CModbusInterface& client, const ClockWords& opening,
                         CBackgroundExecutor& executor, QWidget* parent)
    : CObserverDialog(parent), client_(client), executor_(executor), model_(opening), read_([this] {
          model_.PeriodicRead(client_);
      }) {
    setObjectName(ControlObjectName(kTemplate));
    setWindowTitle(Text(kTextDateCaption));
    auto* layout = new QVBoxLayout(this);
    auto* clocks = new QGridLayout;
    pcTime_ = new QLabel(this);
    pcTime_->setObjectName(QStringLiteral("pc_time"));
    deviceTime_ = new QLabel(this);
    deviceTime_->setObjectName(QStringLiteral("device_time"));
    clocks->addWidget(MakeLabel(this, kTextDatePcTime), 0, 0);
    clocks->addWidget(pcTime_, 0, 1);
    clocks->addWidget(MakeLabel(this, kTextDateDeviceTime), 1, 0);
    clocks->addWidget(deviceTime_, 1, 1);
    layout->addLayout(clocks);
    auto* row = new QHBoxLayout;
    const std::array<std::string, 6> texts = model_.Fields();
    for (int f = 0; f < 6; ++f) {
        QLineEdit* edit =
            MakeEdit(this, QString::fromLatin1(kFieldNames[f]), texts[static_cast<std::size_t>(f)]);
        edit->setMaxLength(f == kFieldYear ? 4 : 2);
        connect(edit, &QLineEdit::textEdited, this, [this, f] { Advance(f); });
        fields_[static_cast<std::size_t>(f)] = edit;
        row->addWidget(edit);
    }
    layout->addLayout(row);
    auto* warning = new QLabel(Text(kMsgClockWarning), this);
    warning->setObjectName(QStringLiteral("warning"));
    warning->setWordWrap(true);
    layout->addWidget(warning);
    auto* buttons = new QHBoxLayout;
    sync_ = new QPushButton(Text(kTextDateSyncPc), this);
    sync_->setObjectName(QStringLiteral("sync_pc"));
    set_ = new QPushButton(Text(kTextDateSet), this);
    set_->setObjectName(QStringLiteral("set"));
    auto* close = new QPushButton(Text(kTextClose), this);
    NameControl(close, kIdCancel, "close");
    for (QPushButton* b : {sync_, set_, close}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    layout->addLayout(buttons);
    connect(sync_, &QPushButton::clicked, this, &CDateDialog::SyncPc);
    connect(set_, &QPushButton::clicked, this, &CDateDialog::Set);
    connect(close, &QPushButton::clicked, this, &CDateDialog::reject);
    sync_->setEnabled(false);
    set_->setEnabled(false);

    Attach(read_, *this);
    connect(&timer_, &QTimer::timeout, this, &CDateDialog::Tick);
    timer_.start(kTickMs);
    executor_.Post(read_);
    Tick();
}

CDateDialog::~CDateDialog() {
    timer_.stop();
    // The read may still be queued or running: it refers to this dialog.
    executor_.WaitUntilIdle();
}

void CDateDialog::Advance(int field) {
    const QLineEdit* edit = fields_[static_cast<std::size_t>(field)];
    const int next =
        CDateDialogModel::NextField(field, static_cast<std::size_t>(edit->text().size()));
    if (next >= 0) FocusAndSelect(fields_[static_cast<std::size_t>(next)]);
}

void CDateDialog::OnObservableUpdate(CObservable*) {
    if (!model_.ReadCompleted()) return;
    timer_.stop();
    executor_.WaitUntilIdle();
    QDialog::accept();
}

void CDateDialog::reject() {
    // Ends with the completion of the read in flight.
    model_.Close();
}

void CDateDialog::Tick() {
    const DateTickView view = model_.Tick(LocalPcTime().time);
    pcTime_->setText(ToQString(view.pcText));
    deviceTime_->setText(ToQString(view.deviceText));
    set_->setEnabled(view.buttonsEnabled);
    sync_->setEnabled(view.buttonsEnabled);
    if (view.postRead) executor_.Post(read_);
}

void CDateDialog::Set() {
    std::array<std::string, 6> texts;
    for (std::size_t f = 0; f < texts.size(); ++f)
        texts[f] = TextOf(fields_[f]);
    const DateCheck check = CheckDateFields(texts);
    if (check.badField >= 0) {
        FocusAndSelect(fields_[static_cast<std::size_t>(check.badField)]);
        ShowError(this, Text(kMsgInvalidDate));
        return;
    }
    try {
        CPasscodePrompts prompts(this);
        SetDeviceClock(client_, prompts, check.value);
    } catch (const CPrivateException& e) {
        ShowException(this, e);
    }
}

void CDateDialog::SyncPc() {
    try {
        WaitCursor wait;
        CPasscodePrompts prompts(this);
        SyncDeviceClock(client_, prompts);
    } catch (const CPrivateException&) {
        // "Sync PC" ends silently on a failure; the clocks above show the outcome.
    }
}

}  // namespace voltaro
