#include "gui/monitor/zc_main_page.h"

#include <QGridLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <string>

#include "core/app/zc_page_lists.h"
#include "core/monitor/zc_reads.h"
#include "core/platform/ui_text_ids.h"
#include "gui/app/control_names.h"
#include "gui/app/qt_text.h"
#include "gui/controls/grid_frame.h"
#include "gui/monitor/monitor_grids.h"

namespace voltaro {

namespace {

constexpr double kColumns = 9;  // column width = grid width / 9
constexpr int kMinColumnWidth = 84;

}  // namespace

CZCMainPage::CZCMainPage(QWidget* parent) : QWidget(parent) {
    setObjectName(ControlObjectName(kTemplate));
    upper_ = MakeGridFrame(this, kIdUpper, "hourly");
    lower_ = MakeGridFrame(this, kIdLower, "present");
    upper_->SetLayoutRule(ToVector(ZcUpperLabels(0)), kColumns, kMinColumnWidth, kZcUpperRows - 1,
                          kZcUpperColumns);
    lower_->SetLayoutRule(ToVector(ZcLowerLabels(0)), kColumns, kMinColumnWidth, kZcLowerRows - 1,
                          kZcLowerColumns);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(upper_);
    layout->addWidget(ButtonRow(kIdHourlyReset, "hourly_reset", kTextZcMainReset, hourlyReset_));
    layout->addWidget(lower_);
    layout->addWidget(ButtonRow(kIdDetail, "detail", kTextZcMainDetail, detail_));
    layout->addWidget(ButtonRow(kIdEnergyReset, "energy_reset", kTextZcMainReset, energyReset_));
    layout->addStretch(1);
    for (int i = 0; i < kZcPageChannels; ++i) {
        const auto u = static_cast<std::size_t>(i);
        connect(hourlyReset_[u], &QPushButton::clicked, this,
                [this, i] { emit ResetClicked(i, kZcResetHourly); });
        connect(energyReset_[u], &QPushButton::clicked, this,
                [this, i] { emit ResetClicked(i, kZcResetEnergy); });
        connect(detail_[u], &QPushButton::clicked, this, [this, i] { emit DetailClicked(i); });
    }
}

QWidget* CZCMainPage::ButtonRow(const std::array<int, 8>& ids, const char* name, int textId,
                                std::array<QPushButton*, 8>& buttons) {
    // Nine equal columns like the grids: the first stays empty, button i sits under
    // grid column i + 1.
    auto* row = new QWidget(this);
    auto* grid = new QGridLayout(row);
    grid->setContentsMargins(0, 0, 0, 0);
    for (int c = 0; c < kZcUpperColumns; ++c)
        grid->setColumnStretch(c, 1);
    for (std::size_t i = 0; i < ids.size(); ++i) {
        auto* button = new QPushButton(Text(textId), row);
        const std::string readable = std::string(name) + "_" + std::to_string(i + 1);
        NameControl(button, ids[i], readable.c_str());
        button->setAutoDefault(false);
        grid->addWidget(button, 0, static_cast<int>(i) + 1);
        buttons[i] = button;
    }
    return row;
}

CDataGridView* CZCMainPage::Upper() const {
    return upper_->Grid();
}

CDataGridView* CZCMainPage::Lower() const {
    return lower_->Grid();
}

void CZCMainPage::SetView(int view) {
    upper_->SetLabels(ToVector(ZcUpperLabels(view)));
    lower_->SetLabels(ToVector(ZcLowerLabels(view)));
    for (QPushButton* button : detail_)
        button->setEnabled(ZcDetailEnabled(view));
    Upper()->ClearCells();
    Lower()->ClearCells();
    view_ = view;
}

void CZCMainPage::Fill(const CMeasurandsKT2& store) {
    FillGrid(*Upper(), store, ZcUpperValues(view_));
    FillGrid(*Lower(), store, ZcLowerValues(view_));
}

}  // namespace voltaro
