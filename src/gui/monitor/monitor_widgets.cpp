#include "gui/monitor/monitor_widgets.h"

#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QTabBar>
#include <QVBoxLayout>

#include "core/app/meter_monitor_model.h"
#include "core/app/monitor_page_lists.h"
#include "core/platform/message_ids.h"
#include "gui/app/control_names.h"
#include "gui/app/qt_text.h"
#include "gui/controls/grid_frame.h"
#include "gui/controls/led_indicator.h"
#include "gui/controls/paint_support.h"
#include "gui/monitor/monitor_grids.h"

namespace voltaro {

namespace {

constexpr int kIndicatorSize = 16;
constexpr double kThdColumns = 2.8;  // column width = grid width / 2.8
constexpr int kThdMinWidth = 72;
constexpr int kThdFirstRow = 1;  // rows 1 to 10 are the harmonic sets

}  // namespace

CLedIndicator* MakeIndicator(QWidget* parent, int id) {
    auto* led = new CLedIndicator(parent);
    NameControl(led, id, "indicator");
    led->setFixedSize(kIndicatorSize, kIndicatorSize);
    return led;
}

void AddStatusPair(QHBoxLayout* row, QWidget* parent, CLedIndicator*& led, QLabel*& status) {
    led = MakeIndicator(parent, kIdMonitorIndicator);
    row->addWidget(led);
    status = MakeStatusLabel(parent, kIdMonitorStatus);
    row->addWidget(status);
}

CGridFrame* MakeThdGrid(QWidget* parent, int id) {
    CGridFrame* frame = MakeGridFrame(parent, id, "thd");
    frame->SetLayoutRule(ToVector(ThdLabels()), kThdColumns, kThdMinWidth);
    CDataGridView* thd = frame->Grid();
    thd->SetSelectable(true);
    thd->SetFirstSelectable(kThdFirstRow, 1);
    for (int row = thd->CurrentRow(); row < CMeterMonitorModel::InitialThdRow(row); ++row)
        thd->MoveDown();
    return frame;
}

QTabBar* MakeTabBar(QWidget* parent, int id, const char* name, int firstTextId, int count) {
    auto* tabs = new QTabBar(parent);
    NameControl(tabs, id, name);
    for (int i = 0; i < count; ++i)
        tabs->addTab(Text(firstTextId + i));
    return tabs;
}

QWidget* TabbedPage(QWidget* parent, QTabBar* tabs, QWidget* page) {
    auto* box = new QWidget(parent);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    tabs->setDrawBase(false);
    tabs->setExpanding(false);
    // Every tab stays in sight: the page is at least as wide as its tabs.
    tabs->setUsesScrollButtons(false);
    layout->addWidget(tabs);
    auto* frame = new QFrame(box);
    frame->setFrameShape(QFrame::StyledPanel);
    auto* inner = new QVBoxLayout(frame);
    inner->setContentsMargins(2, 2, 2, 2);
    inner->addWidget(page);
    layout->addWidget(frame);
    return box;
}

QGroupBox* MonitorGroup(QWidget* parent, int textId, QWidget* content) {
    auto* group = new QGroupBox(Text(textId), parent);
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(content);
    return group;
}

QLabel* MakeStatusLabel(QWidget* parent, int id) {
    auto* status = new QLabel(parent);
    NameControl(status, id, "status");
    status->setAlignment(Qt::AlignCenter);
    status->setMinimumWidth(
        status->fontMetrics().horizontalAdvance(Text(kMsgMonitorCommunicationError)) + 8);
    return status;
}

void ShowMonitorStatus(QLabel* label, const StatusView& status) {
    label->setText(ToQString(status.text));
    ColourLabel(label, status.textColor, status.backColor);
}

QLabel* MakeLoopTestLine(QWidget* parent) {
    auto* line = new QLabel(parent);
    NameControl(line, kIdLoopTestStatus, "loop_test_status");
    line->setAlignment(Qt::AlignCenter);
    line->setVisible(false);
    ColourLabel(line, kColorWhite, kColorRed);
    return line;
}

void ShowLoopTestLine(QLabel* label, const std::string& text) {
    label->setText(ToQString(text));
    label->setVisible(!text.empty());
}

void ColourLabel(QLabel* label, std::uint32_t text, std::optional<std::uint32_t> back) {
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, ColorFromRef(text));
    label->setAutoFillBackground(back.has_value());
    if (back) colours.setColor(QPalette::Window, ColorFromRef(*back));
    label->setPalette(colours);
}

}  // namespace voltaro
