#include "gui/monitor/pm_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QVBoxLayout>

#include "core/app/monitor_launch.h"
#include "core/app/zc_page_lists.h"
#include "core/platform/list_text_ids.h"
#include "core/platform/message_ids.h"
#include "core/platform/ui_text_ids.h"
#include "core/work/background_executor.h"
#include "gui/app/control_names.h"
#include "gui/app/message_box.h"
#include "gui/app/qt_text.h"
#include "gui/app/window_icon.h"
#include "gui/comm/communication_window.h"
#include "gui/controls/led_indicator.h"
#include "gui/dialogs/date_dialog.h"
#include "gui/dialogs/device_info_dialog.h"
#include "gui/monitor/loop_test_zc_dialog.h"
#include "gui/monitor/monitor_widgets.h"
#include "gui/monitor/pm_detail_dialog.h"
#include "gui/monitor/record_control.h"
#include "gui/monitor/zc_main_page.h"
#include "gui/monitor/zc_preset_dialog.h"
#include "gui/monitor/zc_reset.h"

namespace voltaro {

namespace {

constexpr int kModuleTabCount = 2;
// The window's first size: the hour labels of the first column fit without cutting.
constexpr int kInitialWidth = 1060;
constexpr int kInitialHeight = 720;

}  // namespace

CPMDialog::CPMDialog(CModbusInterface& client, QWidget* parent)
    : CObserverDialog(parent),
      client_(client),
      read_([this] { outcome_ = RunPmRead(client_, store_, readView_); }) {
    setObjectName(ControlObjectName(kTemplate));
    setWindowTitle(Text(kTextPmCaption) +
                   QStringLiteral(" - " VOLTARO_PRODUCT_NAME " " VOLTARO_PRODUCT_VERSION));
    setWindowIcon(ProgramIcon());
    setWindowFlag(Qt::WindowMinMaxButtonsHint);
    auto* top = new QVBoxLayout(this);
    tabs_ = MakeTabBar(this, kIdModuleTabs, "module_tabs", kTextsModuleTab, kModuleTabCount);
    page_ = new CZCMainPage(this);
    top->addWidget(TabbedPage(this, tabs_, page_), 1);
    top->addWidget(BuildButtons());
    resize(sizeHint().expandedTo(QSize(kInitialWidth, kInitialHeight)));

    Attach(read_, *this);
    connect(tabs_, &QTabBar::currentChanged, this, &CPMDialog::TabChanged);
    connect(page_, &CZCMainPage::DetailClicked, this, &CPMDialog::OpenDetail);
    connect(page_, &CZCMainPage::ResetClicked, this, &CPMDialog::Reset);
    connect(&blink_, &QTimer::timeout, this, &CPMDialog::Blink);
    tabs_->setEnabled(false);
    ShowStatus();
    blink_.start(kBlinkMs);
    Queue();
}

CPMDialog::~CPMDialog() {
    // The read refers to this window's members: let it finish first.
    BackgroundExecutor().WaitUntilIdle();
    DetachAll();
}

QWidget* CPMDialog::BuildButtons() {
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    AddStatusPair(row, box, led_, status_);
    loopStatus_ = MakeLoopTestLine(box);
    row->addWidget(loopStatus_);
    row->addSpacing(12);
    clock_ = new QLabel(box);
    NameControl(clock_, kIdClock, "clock");
    clock_->setMinimumWidth(
        clock_->fontMetrics().horizontalAdvance(QStringLiteral("2000/00/00 00:00:00")) + 8);
    row->addWidget(clock_);
    auto* setClock = setClock_ = new QPushButton(Text(kTextPmClock), box);
    NameControl(setClock, kIdClockButton, "set_clock");
    connect(setClock, &QPushButton::clicked, this, &CPMDialog::OpenDateAndTime);
    row->addWidget(setClock);
    record_ = new CRecordControl(
        this, [this] { return ZcPageLogColumns(model_.View()); },
        [this](bool recording) { RecordingChanged(recording); });
    // Recording needs the device's columns: it can start once the device is identified.
    record_->Button()->setEnabled(false);
    row->addWidget(record_->StatusLine());
    row->addStretch(1);
    row->addWidget(record_->Button());

    auto* info = new QPushButton(Text(kTextPmDeviceInfo), box);
    NameControl(info, kIdDeviceInfo, "device_info");
    connect(info, &QPushButton::clicked, this, &CPMDialog::ShowDeviceInfo);
    loopTest_ = new QPushButton(Text(kTextPmLoopTest), box);
    NameControl(loopTest_, kIdLoopTest, "loop_test");
    loopTest_->setEnabled(false);
    connect(loopTest_, &QPushButton::clicked, this, &CPMDialog::OpenLoopTest);
    preset_ = new QPushButton(Text(kTextPmPreset), box);
    NameControl(preset_, kIdPreset, "preset");
    preset_->setEnabled(false);
    connect(preset_, &QPushButton::clicked, this, &CPMDialog::OpenPreset);
    AddCommunicationButton(box, row);
    auto* close = new QPushButton(Text(kTextClose), box);
    NameControl(close, kIdCancel, "close");
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    for (QPushButton* button : {setClock, info, loopTest_, preset_, close}) {
        button->setAutoDefault(false);
        if (button != setClock) row->addWidget(button);
    }
    return box;
}

void CPMDialog::Queue() {
    readView_ = model_.View();
    queued_ = BackgroundExecutor().Post(read_);
}

void CPMDialog::OnObservableUpdate(CObservable* source) {
    if (source == &read_) ReadDone();
}

void CPMDialog::ReadDone() {
    queued_ = false;
    if (closed_) return;
    const PmUpdate update = model_.OnReadDone(outcome_, store_, tabs_->currentIndex());
    if (update.ignored) return;
    if (update.closeWhenIdle) {
        CloseWhenIdle(QDialog::Rejected);
        return;
    }
    if (update.handOver) {
        CloseWhenIdle(kMonitorAlternate);
        return;
    }
    if (update.fillPage) page_->Fill(store_);
    if (update.updateControls) {
        clock_->setText(ToQString(update.clockText));
        tabs_->setEnabled(update.tabEnabled);
        record_->Button()->setEnabled(true);
        if (update.selectFirstTab) tabs_->setCurrentIndex(0);
        preset_->setEnabled(update.presetEnabled);
        loopTest_->setEnabled(update.loopTestEnabled);
        ShowLoopTestLine(loopStatus_, update.loopTestText);
    }
    if (update.recordError) record_->ErrorRow(outcome_.error);
    if (update.recordRow) record_->Row(store_);
    ShowStatus();
    if (update.requeue) Queue();
}

void CPMDialog::TabChanged(int tab) {
    page_->SetView(model_.SelectTab(tab));
}

void CPMDialog::Blink() {
    model_.OnTimer();
    ShowStatus();
    record_->ShowStatus();
}

void CPMDialog::RecordingChanged(bool recording) {
    model_.SetRecording(recording);
    tabs_->setEnabled(model_.TabsEnabled());
}

void CPMDialog::ShowStatus() {
    ShowMonitorStatus(status_, model_.Status());
    led_->SetColorRef(model_.LedColor());
}

template <typename F>
void CPMDialog::RunPaused(F&& run) {
    model_.Pause();
    hide();
    run();
    show();
    if (model_.Resume() && !queued_) Queue();
}

void CPMDialog::OpenDetail(int i) {
    RunPaused([&] {
        CPMDetailDialog detail(client_, ZcDetailChannel(model_.View(), i), this);
        detail.exec();
    });
}

void CPMDialog::Reset(int i, int value) {
    RunZcReset(this, client_, ZcChannelOffset(model_.View()) + i, static_cast<uint16_t>(value));
}

void CPMDialog::OpenPreset() {
    RunPaused([&] {
        CZCPresetDialog preset(client_, this);
        preset.exec();
    });
}

void CPMDialog::OpenLoopTest() {
    // Test values reach the plant's control system as if measured: the user confirms first.
    if (!Ask(this, Text(kMsgLoopTestWarning), AskIcon::Exclamation)) return;
    RunPaused([&] { CLoopTestZCDialog::Run(client_, this); });
}

void CPMDialog::OpenDateAndTime() {
    // A device that refuses the clock registers gets the message and no dialog.
    RunPaused([&] { CDateDialog::Open(client_, this); });
}

void CPMDialog::ShowDeviceInfo() {
    CDeviceInfoDialog dialog(client_, this);
    dialog.Run();
}

void CPMDialog::reject() {
    model_.Cancel();
    blink_.stop();
    if (!queued_) CloseWhenIdle(QDialog::Rejected);
}

void CPMDialog::CloseWhenIdle(int result) {
    BackgroundExecutor().WaitUntilIdle();
    blink_.stop();
    done(result);
}

void CPMDialog::done(int result) {
    closed_ = true;
    record_->Stop();
    CObserverDialog::done(result);
}

}  // namespace voltaro
