#include "gui/monitor/max_min_page.h"

#include <QGroupBox>
#include <QVBoxLayout>

#include "core/app/monitor_page_lists.h"
#include "core/platform/ui_text_ids.h"
#include "gui/app/control_names.h"
#include "gui/app/qt_text.h"
#include "gui/controls/grid_frame.h"
#include "gui/monitor/monitor_grids.h"

namespace voltaro {

namespace {

constexpr double kInstantaneousColumns = 7;  // column width = grid width / 7
constexpr int kInstantaneousMinWidth = 64;
// Demand columns are at least 80 pixels wide and share the width beyond.
constexpr double kDemandColumns = 6;
constexpr int kDemandColumnWidth = 80;

QGroupBox* Group(QWidget* parent, int textId, QWidget* content) {
    auto* group = new QGroupBox(Text(textId), parent);
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(content);
    return group;
}

}  // namespace

CMaxMinPage::CMaxMinPage(QWidget* parent) : QWidget(parent) {
    setObjectName(ControlObjectName(kTemplate));
    instantaneous_ = MakeGridFrame(this, kIdInstantaneous, "instantaneous");
    demand_ = MakeGridFrame(this, kIdDemand, "demand");
    instantaneous_->SetLayoutRule(ToVector(InstantaneousLabels()), kInstantaneousColumns,
                                  kInstantaneousMinWidth);
    demand_->SetLayoutRule(ToVector(DemandLabels(0)), kDemandColumns, kDemandColumnWidth);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Group(this, kTextMaxMinInstantaneous, instantaneous_));
    layout->addWidget(Group(this, kTextMaxMinDemand, demand_));
    layout->addStretch(1);
}

CDataGridView* CMaxMinPage::Instantaneous() const {
    return instantaneous_->Grid();
}

CDataGridView* CMaxMinPage::Demand() const {
    return demand_->Grid();
}

void CMaxMinPage::SetView(int view) {
    demand_->SetLabels(ToVector(DemandLabels(view)));
    Instantaneous()->ClearCells();
    Demand()->ClearCells();
    view_ = view;
}

void CMaxMinPage::Fill(const CMeasurandsKT2& store) {
    FillGrid(*Instantaneous(), store, InstantaneousValues(view_));
    FillGrid(*Demand(), store, DemandValues(view_));
}

}  // namespace voltaro
