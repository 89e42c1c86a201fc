#include "gui/monitor/energy_page.h"

#include <QGroupBox>
#include <QVBoxLayout>

#include "gui/app/control_names.h"
#include "gui/app/qt_text.h"
#include "gui/controls/grid_frame.h"
#include "gui/dialogs/passcode_prompts.h"
#include "gui/monitor/monitor_grids.h"

namespace voltaro {

namespace {

constexpr double kEnergyColumns = 5;  // column width = grid width / 5
constexpr int kEnergyMinWidth = 90;
constexpr int kEnergyMinRowIndex = 3;  // at least four rows

}  // namespace

CEnergyPage::CEnergyPage(QWidget* parent) : QWidget(parent) {
    setObjectName(ControlObjectName(kTemplate));
    group_ = new QGroupBox(Text(model_.GroupTextId()), this);
    NameControl(group_, kIdGroup, "energy_group");
    frame_ = MakeGridFrame(group_, kIdGrid, "energy");
    frame_->SetLayoutRule(ToVector(model_.Labels()), kEnergyColumns, kEnergyMinWidth,
                          kEnergyMinRowIndex);
    auto* groupLayout = new QVBoxLayout(group_);
    groupLayout->addWidget(frame_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group_);
    layout->addStretch(1);
    CGridCellEditing::Page editing;
    editing.editable = [this](int column, int row) {
        return client_ != nullptr && model_.EditableEntry(column, row) != nullptr;
    };
    editing.commit = [this](int column, int row, const std::string& text) {
        CPasscodePrompts prompts(window());
        return model_.Commit(*client_, prompts, *store_, column, row, text);
    };
    editing.written = [this] {
        ShowCells(*Grid(), model_.Cells(*store_));
        NotifyObservers(this);
    };
    editing_ = std::make_unique<CGridCellEditing>(Grid(), std::move(editing));
}

CEnergyPage::~CEnergyPage() = default;

CDataGridView* CEnergyPage::Grid() const {
    return frame_->Grid();
}

void CEnergyPage::SetView(int view) {
    editing_->Cancel();
    Grid()->ClearCells();
    model_.SetView(view);
    group_->setTitle(Text(model_.GroupTextId()));
    frame_->SetLabels(ToVector(model_.Labels()));
}

void CEnergyPage::Fill(const CMeasurandsKT2& store, const CDeviceType& type) {
    std::vector<MeasurandCell> cells;
    if (model_.Fill(store, type, cells)) ShowCells(*Grid(), cells);
}

void CEnergyPage::EnableEditing(CModbusInterface& client, CMeasurandsKT2& store, int channel,
                                bool swap) {
    client_ = &client;
    store_ = &store;
    model_.channel = channel;
    model_.swapWords = swap;
    Grid()->SetSelectable(true);
}

}  // namespace voltaro
