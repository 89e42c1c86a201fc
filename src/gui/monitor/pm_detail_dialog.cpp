#include "gui/monitor/pm_detail_dialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QVBoxLayout>

#include "core/app/meter_monitor_model.h"
#include "core/app/monitor_page_lists.h"
#include "core/app/trend_chart_model.h"
#include "core/monitor/zc_reads.h"
#include "core/platform/list_text_ids.h"
#include "core/platform/ui_text_ids.h"
#include "core/work/background_executor.h"
#include "gui/app/control_names.h"
#include "gui/app/qt_text.h"
#include "gui/app/window_icon.h"
#include "gui/controls/grid_frame.h"
#include "gui/controls/harmonics_graph.h"
#include "gui/controls/led_indicator.h"
#include "gui/controls/trend_chart.h"
#include "gui/monitor/monitor_grids.h"
#include "gui/monitor/monitor_widgets.h"
#include "gui/monitor/trend_pages.h"
#include "gui/monitor/zc_max_min_page.h"
#include "gui/monitor/zc_reset.h"

namespace voltaro {

namespace {

constexpr int kInitialWidth = 1100;
constexpr int kInitialHeight = 640;

}  // namespace

CPMDetailDialog::CPMDetailDialog(CModbusInterface& client, int channel, QWidget* parent)
    : CObserverDialog(parent),
      client_(client),
      model_(channel),
      read_([this] { readOk_ = RunDetailRead(client_, store_, model_.Channel(), pending_); }) {
    setObjectName(ControlObjectName(kTemplate));
    setWindowTitle(ToQString(model_.Caption()));
    setWindowIcon(ProgramIcon());
    setWindowFlag(Qt::WindowMinMaxButtonsHint);
    auto* top = new QVBoxLayout(this);
    auto* values = new QWidget(this);
    auto* body = new QHBoxLayout(values);
    body->setContentsMargins(0, 0, 0, 0);
    tabs_ = MakeTabBar(this, kIdTabs, "tabs", kTextsTrendTab, kZcDetailReadCount);
    page_ = new CZCMaxMinPage(this);
    body->addWidget(TabbedPage(this, tabs_, page_), 3);
    body->addWidget(BuildThd(), 2);
    chart_ = new CTrendChart(ZcDetailTrendSeries(channel), this);
    pages_ =
        MakeTrendPages(this, values, chart_, [this](bool shown) { model_.SetChartShown(shown); });
    top->addWidget(pages_, 1);
    top->addWidget(BuildStatusLine());
    resize(sizeHint().expandedTo(QSize(kInitialWidth, kInitialHeight)));

    Attach(read_, *this);
    Attach(*ThdGrid(), *this);
    connect(tabs_, &QTabBar::currentChanged, this, &CPMDetailDialog::TabChanged);
    connect(page_, &CZCMaxMinPage::ResetClicked, this, &CPMDetailDialog::Reset);
    connect(&blink_, &QTimer::timeout, this, &CPMDetailDialog::Blink);
    tabs_->setEnabled(false);
    ShowStatus();
    blink_.start(kBlinkMs);
    Queue(model_.Start());
}

CPMDetailDialog::~CPMDetailDialog() {
    BackgroundExecutor().WaitUntilIdle();
    DetachAll();
}

CDataGridView* CPMDetailDialog::ThdGrid() const {
    return thd_->Grid();
}

QWidget* CPMDetailDialog::BuildThd() {
    auto* box = new QWidget(this);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    thd_ = MakeThdGrid(box, kIdThdGrid);
    layout->addWidget(MonitorGroup(box, kTextMonitorThd, thd_));
    auto* resets = new QHBoxLayout;
    thdVoltageReset_ = new QPushButton(Text(kTextDetailThdVoltage), box);
    NameControl(thdVoltageReset_, kIdThdVoltageReset, "reset_thd_voltage");
    auto* current = new QPushButton(Text(kTextDetailThdCurrent), box);
    NameControl(current, kIdThdCurrentReset, "reset_thd_current");
    for (QPushButton* button : {thdVoltageReset_, current}) {
        button->setAutoDefault(false);
        resets->addWidget(button);
    }
    connect(thdVoltageReset_, &QPushButton::clicked, this, [this] { Reset(kZcResetThdVoltage); });
    connect(current, &QPushButton::clicked, this, [this] { Reset(kZcResetThdCurrent); });
    layout->addLayout(resets);
    graph_ = new CHarmonicsGraph(box);
    NameControl(graph_, kIdHarmonicsGraph, "harmonics");
    graph_->SelectSet(model_.HarmonicSet());
    layout->addWidget(MonitorGroup(box, kTextMonitorHarmonics, graph_), 1);
    return box;
}

QWidget* CPMDetailDialog::BuildStatusLine() {
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    AddStatusPair(row, box, led_, status_);
    row->addStretch(1);
    auto* close = new QPushButton(Text(kTextClose), box);
    NameControl(close, kIdCancel, "close");
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    row->addWidget(close);
    return box;
}

void CPMDetailDialog::Queue(const DetailRead& read) {
    pending_ = read;
    queued_ = BackgroundExecutor().Post(read_);
}

void CPMDetailDialog::OnObservableUpdate(CObservable* source) {
    if (source == ThdGrid()) {
        if (model_.SelectThdRow(ThdGrid()->CurrentRow())) graph_->SelectSet(model_.HarmonicSet());
    } else if (source == &read_) {
        ReadDone();
    }
}

void CPMDetailDialog::ReadDone() {
    queued_ = false;
    if (closed_) return;
    const DetailUpdate update = model_.OnReadDone(pending_, readOk_);
    if (update.closeWhenIdle) {
        CloseWhenIdle();
        return;
    }
    if (update.fillMaxMin) {
        page_->Fill(store_);
        tabs_->setEnabled(true);
    }
    if (update.fillThd) FillGrid(*ThdGrid(), store_, ThdValues());
    if (update.fillHarmonics) graph_->SetData(store_);
    chart_->AddSamples(update.trendValues, update.trendThd, store_);
    ShowStatus();
    Queue(update.next);
}

void CPMDetailDialog::TabChanged(int tab) {
    model_.SelectTab(tab);
    page_->SetView(tab);
    tabs_->setEnabled(false);
}

void CPMDetailDialog::Reset(int value) {
    RunZcReset(this, client_, model_.Channel(), static_cast<uint16_t>(value));
}

void CPMDetailDialog::Blink() {
    model_.OnTimer();
    ShowStatus();
}

void CPMDetailDialog::ShowStatus() {
    ShowMonitorStatus(status_, model_.Status());
    led_->SetColorRef(model_.LedColor());
}

void CPMDetailDialog::reject() {
    model_.Cancel();
    blink_.stop();
    if (!queued_) CloseWhenIdle();
}

void CPMDetailDialog::CloseWhenIdle() {
    BackgroundExecutor().WaitUntilIdle();
    blink_.stop();
    done(QDialog::Accepted);
}

void CPMDetailDialog::done(int result) {
    closed_ = true;
    CObserverDialog::done(result);
}

}  // namespace voltaro
