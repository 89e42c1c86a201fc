#include "gui/monitor/zc_max_min_page.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/app/monitor_page_lists.h"
#include "core/app/zc_page_lists.h"
#include "core/monitor/zc_reads.h"
#include "core/platform/ui_text_ids.h"
#include "gui/app/control_names.h"
#include "gui/app/qt_text.h"
#include "gui/controls/grid_frame.h"
#include "gui/monitor/monitor_grids.h"
#include "gui/monitor/monitor_widgets.h"

namespace voltaro {

namespace {

constexpr double kInstantaneousColumns = 7;  // column width = grid width / 7
constexpr int kInstantaneousMinWidth = 72;
constexpr int kDemandColumnWidth = 80;
// Groups of the reset buttons: "Reset demand" (2), "Reset max / min" (5), the second
// "Reset max / min" (2, the demand maxima and minima).
constexpr int kGroupSizes[] = {2, 5, 2};
constexpr int kGroupTexts[] = {kTextZcMaxMinResetDemand, kTextZcMaxMinResetMaxMin,
                               kTextZcMaxMinResetMaxMin};

}  // namespace

const std::array<CZCMaxMinPage::ResetButton, 9>& CZCMaxMinPage::ResetButtons() {
    static const std::array<ResetButton, 9> buttons{{
        {1159, kTextZcMaxMinCurrent, kZcResetDemandCurrent},
        {1160, kTextZcMaxMinPower, kZcResetDemandPower},
        {1154, kTextZcMaxMinVoltage, kZcResetMaxMinVoltage},
        {1155, kTextZcMaxMinCurrent, kZcResetMaxMinCurrent},
        {1156, kTextZcMaxMinPower, kZcResetMaxMinPower},
        {1157, kTextZcMaxMinPowerFactor, kZcResetMaxMinPowerFactor},
        {1158, kTextZcMaxMinFrequency, kZcResetMaxMinFrequency},
        {1161, kTextZcMaxMinCurrent, kZcResetMaxMinDemandCurrent},
        {1162, kTextZcMaxMinPower, kZcResetMaxMinDemandPower},
    }};
    return buttons;
}

CZCMaxMinPage::CZCMaxMinPage(QWidget* parent) : QWidget(parent) {
    setObjectName(ControlObjectName(kTemplate));
    instantaneous_ = MakeGridFrame(this, kIdInstantaneous, "instantaneous");
    demand_ = MakeGridFrame(this, kIdDemand, "demand");
    instantaneous_->SetLayoutRule(ToVector(InstantaneousLabels()), kInstantaneousColumns,
                                  kInstantaneousMinWidth);
    demand_->SetLayoutRule(ToVector(ZcDemandLabels(0)), 0, kDemandColumnWidth, 0, kZcDemandColumns);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(MonitorGroup(this, kTextZcMaxMinInstantaneous, instantaneous_));
    auto* lowerRow = new QHBoxLayout;
    lowerRow->addWidget(MonitorGroup(this, kTextZcMaxMinDemand, demand_));
    lowerRow->addWidget(BuildResets(), 1);
    layout->addLayout(lowerRow);
    layout->addStretch(1);
}

QWidget* CZCMaxMinPage::BuildResets() {
    auto* box = new QWidget(this);
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    std::size_t next = 0;
    for (std::size_t g = 0; g < std::size(kGroupSizes); ++g) {
        auto* group = new QGroupBox(Text(kGroupTexts[g]), box);
        auto* grid = new QGridLayout(group);
        for (int i = 0; i < kGroupSizes[g]; ++i, ++next) {
            const ResetButton& b = ResetButtons()[next];
            auto* button = new QPushButton(Text(b.textId), group);
            const std::string name = "reset_" + std::to_string(b.value);
            NameControl(button, b.id, name.c_str());
            button->setAutoDefault(false);
            grid->addWidget(button, i / 3, i % 3);
            const int value = b.value;
            connect(button, &QPushButton::clicked, this,
                    [this, value] { emit ResetClicked(value); });
        }
        column->addWidget(group);
    }
    column->addStretch(1);
    return box;
}

CDataGridView* CZCMaxMinPage::Instantaneous() const {
    return instantaneous_->Grid();
}

CDataGridView* CZCMaxMinPage::Demand() const {
    return demand_->Grid();
}

void CZCMaxMinPage::SetView(int view) {
    demand_->SetLabels(ToVector(ZcDemandLabels(view)));
    Instantaneous()->ClearCells();
    Demand()->ClearCells();
    view_ = view;
}

void CZCMaxMinPage::Fill(const CMeasurandsKT2& store) {
    FillGrid(*Instantaneous(), store, ZcInstantaneousValues(view_));
    FillGrid(*Demand(), store, ZcDemandValues(view_));
}

}  // namespace voltaro
