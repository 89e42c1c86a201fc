#include "gui/monitor/my_voltaro_dlg.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QVBoxLayout>

#include "core/app/monitor_launch.h"
#include "core/app/monitor_page_lists.h"
#include "core/app/trend_chart_model.h"
#include "core/platform/list_text_ids.h"
#include "core/platform/message_ids.h"
#include "core/platform/ui_text_ids.h"
#include "gui/app/control_names.h"
#include "gui/app/qt_text.h"
#include "gui/app/window_icon.h"
#include "gui/comm/communication_window.h"
#include "gui/controls/grid_frame.h"
#include "gui/controls/harmonics_graph.h"
#include "gui/controls/led_indicator.h"
#include "gui/controls/paint_support.h"
#include "gui/controls/trend_chart.h"
#include "gui/controls/vector_chart.h"
#include "gui/dialogs/date_dialog.h"
#include "gui/dialogs/device_info_dialog.h"
#include "gui/dialogs/utility_dialog.h"
#include "gui/monitor/energy_page.h"
#include "gui/monitor/loop_test_dialogs.h"
#include "gui/monitor/max_min_page.h"
#include "gui/monitor/monitor_grids.h"
#include "gui/monitor/monitor_widgets.h"
#include "gui/monitor/record_control.h"
#include "gui/monitor/trend_pages.h"
#include "gui/monitor/wiring_panel.h"

namespace voltaro {

namespace {

// Column widths as parts of the grid's width, and the least width a column gets.
constexpr double kDeviceInfoColumns = 2;
constexpr double kAnalogOutputColumns = 4;
constexpr int kDeviceInfoMinWidth = 110;
constexpr int kAnalogOutputMinWidth = 56;
// The window's first size: room for the grids' texts and a round vector chart.
constexpr int kInitialWidth = 1240;
constexpr int kInitialHeight = 720;

}  // namespace

CMyVOLTARODlg::CMyVOLTARODlg(CModbusInterface& client, QWidget* parent)
    : CObserverDialog(parent), client_(client), thread_(client, store_) {
    setObjectName(ControlObjectName(kTemplate));
    setWindowTitle(Text(kTextMonitorCaption) + QStringLiteral(" - " VOLTARO_PRODUCT_NAME));
    setWindowIcon(ProgramIcon());
    setWindowFlag(Qt::WindowMinMaxButtonsHint);
    auto* top = new QVBoxLayout(this);
    auto* values = new QWidget(this);
    auto* body = new QHBoxLayout(values);
    body->setContentsMargins(0, 0, 0, 0);
    body->addWidget(BuildViews(), 5);
    body->addWidget(BuildDisplays(), 4);
    chart_ = new CTrendChart(MeterTrendSeries(), this);
    pages_ =
        MakeTrendPages(this, values, chart_, [this](bool shown) { model_.SetChartShown(shown); });
    top->addWidget(pages_, 1);
    top->addWidget(BuildStatusLine());
    resize(sizeHint().expandedTo(QSize(kInitialWidth, kInitialHeight)));

    Attach(store_, *this);
    Attach(*ThdGrid(), *this);
    connect(&blink_, &QTimer::timeout, this, &CMyVOLTARODlg::Blink);

    // Each tab control is enabled by the first fill of its page.
    trendTabs_->setEnabled(false);
    energyTabs_->setEnabled(false);
    const MonitorRequest first = model_.Start();
    ShowStatus();
    thread_.Start();
    thread_.Post(first.command, first.argument);
    blink_.start(kBlinkMs);
}

CMyVOLTARODlg::~CMyVOLTARODlg() {
    StopMonitoring();
}

CDataGridView* CMyVOLTARODlg::ThdGrid() const {
    return thd_->Grid();
}

QWidget* CMyVOLTARODlg::BuildViews() {
    auto* box = new QWidget(this);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    trendTabs_ = MakeTabBar(box, kIdTrendTabs, "trend_tabs", kTextsTrendTabs, kTrendTabCount);
    maxMinPage_ = new CMaxMinPage(box);
    layout->addWidget(TabbedPage(box, trendTabs_, maxMinPage_));
    energyTabs_ = MakeTabBar(box, kIdEnergyTabs, "energy_tabs", kTextsEnergyTabs, kEnergyTabCount);
    energyPage_ = new CEnergyPage(box);
    layout->addWidget(TabbedPage(box, energyTabs_, energyPage_));
    layout->addStretch(1);
    connect(trendTabs_, &QTabBar::currentChanged, this, &CMyVOLTARODlg::TrendTabChanged);
    connect(energyTabs_, &QTabBar::currentChanged, this, &CMyVOLTARODlg::EnergyTabChanged);
    return box;
}

QWidget* CMyVOLTARODlg::BuildDisplays() {
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);

    thd_ = MakeThdGrid(box, kIdThdGrid);
    auto* thdBox = new QWidget(box);
    auto* thdLayout = new QVBoxLayout(thdBox);
    thdLayout->setContentsMargins(0, 0, 0, 0);
    thdLayout->addWidget(thd_);
    thdLayout->addStretch(1);
    grid->addWidget(MonitorGroup(box, kTextMonitorThd, thdBox), 0, 0);

    auto* vectorBox = new QWidget(box);
    auto* vectorLayout = new QHBoxLayout(vectorBox);
    vectorLayout->setContentsMargins(0, 0, 0, 0);
    vectors_ = new CVectorChart(vectorBox);
    NameControl(vectors_, kIdVectorChart, "vectors");
    vectorLayout->addWidget(vectors_, 1);
    wiring_ = new CWiringPanel(vectorBox);
    wiring_->Show(model_.WiringPanel());
    vectorLayout->addWidget(wiring_, 1);
    grid->addWidget(MonitorGroup(box, kTextMonitorVector, vectorBox), 0, 1);

    graph_ = new CHarmonicsGraph(box);
    NameControl(graph_, kIdHarmonicsGraph, "harmonics");
    graph_->SelectSet(model_.HarmonicSet());
    grid->addWidget(MonitorGroup(box, kTextMonitorHarmonics, graph_), 1, 0, 1, 2);

    deviceInfo_ = MakeGridFrame(box, kIdDeviceInfoGrid, "device_information");
    // Labels fill the first column only, values the second: two columns.
    deviceInfo_->SetLayoutRule(ToVector(DeviceInfoLabels()), kDeviceInfoColumns,
                               kDeviceInfoMinWidth, 0, 2);
    grid->addWidget(MonitorGroup(box, kTextMonitorDeviceInformation, deviceInfo_), 2, 0, 1, 2);
    analogOutputs_ = MakeGridFrame(box, kIdAnalogOutputGrid, "analog_outputs");
    // Labels fill the first row only, values the second: two rows.
    analogOutputs_->SetLayoutRule(ToVector(AnalogOutputLabels()), kAnalogOutputColumns,
                                  kAnalogOutputMinWidth, 1);
    grid->addWidget(MonitorGroup(box, kTextMonitorAnalogOutput, analogOutputs_), 3, 0, 1, 2);
    grid->setRowStretch(1, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    return box;
}

QWidget* CMyVOLTARODlg::BuildStatusLine() {
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(new QLabel(Text(kTextMonitorChannel), box));
    channel_ = new QComboBox(box);
    NameControl(channel_, kIdChannel, "channel");
    channel_->addItems({Text(kTextMonitorChannel1), Text(kTextMonitorChannel2)});
    channel_->setEnabled(false);
    connect(channel_, &QComboBox::currentIndexChanged, this, &CMyVOLTARODlg::ChannelChanged);
    row->addWidget(channel_);
    row->addSpacing(12);

    AddStatusPair(row, box, led_, status_);
    fixedAo_ = new QLabel(box);
    NameControl(fixedAo_, kIdFixedAo, "fixed_ao");
    fixedAo_->setAlignment(Qt::AlignCenter);
    fixedAo_->setMinimumWidth(fixedAo_->fontMetrics().horizontalAdvance(Text(kMsgFixedAo)) + 8);
    row->addWidget(fixedAo_);

    loopStatus_ = MakeLoopTestLine(box);
    row->addWidget(loopStatus_);
    row->addStretch(1);

    record_ = new CRecordControl(
        this, [this] { return MeterLogColumns(thread_.DeviceType()); },
        [this](bool recording) { RecordingChanged(recording); });
    // Recording needs the device's columns: it can start once the device is identified.
    record_->Button()->setEnabled(false);
    row->addWidget(record_->StatusLine());

    loopTest_ = new QPushButton(Text(kTextMonitorLoopTest), box);
    NameControl(loopTest_, kIdLoopTest, "loop_test");
    loopTest_->setVisible(false);
    connect(loopTest_, &QPushButton::clicked, this,
            [this] { CLoopBackDialog::Run(client_, &store_, this); });
    row->addWidget(loopTest_);
    row->addWidget(record_->Button());
    auto* date = new QPushButton(Text(kTextMonitorDateTime), box);
    NameControl(date, kIdDateTime, "date_time");
    connect(date, &QPushButton::clicked, this, [this] { CDateDialog::Open(client_, this); });
    row->addWidget(date);
    auto* utility = new QPushButton(Text(kTextMonitorUtility), box);
    NameControl(utility, kIdUtility, "utility");
    connect(utility, &QPushButton::clicked, this, &CMyVOLTARODlg::ShowUtility);
    row->addWidget(utility);
    auto* info = new QPushButton(Text(kTextMonitorDeviceInfo), box);
    NameControl(info, kIdDeviceInfo, "device_info");
    connect(info, &QPushButton::clicked, this, &CMyVOLTARODlg::ShowDeviceInfo);
    row->addWidget(info);
    AddCommunicationButton(box, row);
    auto* close = new QPushButton(Text(kTextClose), box);
    NameControl(close, kIdCancel, "close");
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    row->addWidget(close);
    for (QPushButton* button : {loopTest_, date, utility, info, close})
        button->setAutoDefault(false);
    return box;
}

void CMyVOLTARODlg::OnObservableUpdate(CObservable* source) {
    if (stopped_) return;
    if (source == ThdGrid()) {
        if (model_.SelectThdRow(ThdGrid()->CurrentRow())) graph_->SelectSet(model_.HarmonicSet());
    } else if (source == &store_) {
        CommandDone();
    }
}

void CMyVOLTARODlg::CommandDone() {
    const CycleUpdate update =
        model_.OnCommandDone(thread_.lastFailed, thread_.DeviceType(), store_);
    if (update.handOver) {
        done(kMonitorAlternate);
        return;
    }
    ShowUpdate(update);
    if (update.recordError) record_->ErrorRow(thread_.LastError());
    if (update.recordRow) record_->Row(store_);
    ShowStatus();
    thread_.Post(update.next.command, update.next.argument);
}

void CMyVOLTARODlg::ShowUpdate(const CycleUpdate& update) {
    if (update.fillDeviceInfo || update.fillAnalogOutputs) ShowLoopTest();
    if (update.fillDeviceInfo) {
        FillGrid(*deviceInfo_->Grid(), store_, DeviceInfoValues());
        vectors_->SetData(store_);
        record_->Button()->setEnabled(true);
    }
    if (update.wiringChanged) wiring_->Show(model_.WiringPanel());
    if (update.channelEnabled) channel_->setEnabled(*update.channelEnabled);
    if (update.resetChannel) {
        const QSignalBlocker quiet(channel_);
        channel_->setCurrentIndex(0);
        ChannelChanged(0);
    }
    if (update.fillMaxMin) {
        maxMinPage_->Fill(store_);
        trendTabs_->setEnabled(true);
    }
    if (update.fillEnergy) {
        energyPage_->Fill(store_, thread_.DeviceType());
        energyTabs_->setEnabled(true);
    }
    if (update.fillThd) FillGrid(*ThdGrid(), store_, ThdValues());
    if (update.fillHarmonics) graph_->SetData(store_);
    chart_->AddSamples(update.trendValues, update.trendThd, store_);
    if (update.fillAnalogOutputs) {
        FillGrid(*analogOutputs_->Grid(), store_, AnalogOutputValues());
        ShowFixedAo();
        loopTest_->setVisible(model_.LoopTestVisible());
    }
}

void CMyVOLTARODlg::TrendTabChanged(int tab) {
    model_.SetTrendTab(tab);
    maxMinPage_->SetView(tab);
    trendTabs_->setEnabled(false);
}

void CMyVOLTARODlg::EnergyTabChanged(int tab) {
    model_.SetEnergyTab(tab);
    energyPage_->SetView(tab);
    energyTabs_->setEnabled(false);
}

void CMyVOLTARODlg::ChannelChanged(int entry) {
    // The other input's values begin a new history.
    if (entry != thread_.channel) chart_->Model().Clear();
    thread_.channel = entry;
    energyPage_->Model().channel = entry;
}

void CMyVOLTARODlg::Blink() {
    model_.OnTimer();
    ShowStatus();
    ShowFixedAo();
    record_->ShowStatus();
}

void CMyVOLTARODlg::ShowStatus() {
    ShowMonitorStatus(status_, model_.Status());
    led_->SetColorRef(model_.LedColor());
}

void CMyVOLTARODlg::ShowFixedAo() {
    const FixedAoView view = model_.FixedAo();
    fixedAo_->setText(ToQString(view.text));
    ColourLabel(fixedAo_, view.textColor, view.text.empty() ? std::nullopt : view.backColor);
}

void CMyVOLTARODlg::ShowLoopTest() {
    ShowLoopTestLine(loopStatus_, model_.LoopTestText());
}

void CMyVOLTARODlg::RecordingChanged(bool recording) {
    model_.SetRecording(recording);
    channel_->setEnabled(model_.ChannelEnabled());
}

void CMyVOLTARODlg::ShowUtility() {
    const CDeviceType type = thread_.DeviceType();
    UtilityDevice device;
    device.deviceId = type.deviceId;
    device.channel = channel_->isEnabled() ? channel_->currentIndex() : 0;
    device.counters = type.ioConfig[kIoCounters];
    CUtilityDialog dialog(client_, device, this);
    dialog.exec();
}

void CMyVOLTARODlg::ShowDeviceInfo() {
    CDeviceInfoDialog dialog(client_, this);
    dialog.Run();
}

void CMyVOLTARODlg::StopMonitoring() {
    if (stopped_) return;
    stopped_ = true;
    thread_.Stop();
    blink_.stop();
    record_->Stop();
}

void CMyVOLTARODlg::done(int result) {
    StopMonitoring();
    CObserverDialog::done(result);
}

}  // namespace voltaro
