#include "gui/monitor/zc_preset_dialog.h"

#include <QTabBar>
#include <QVBoxLayout>

#include "core/app/monitor_launch.h"
#include "core/app/zc_page_lists.h"
#include "core/platform/list_text_ids.h"
#include "core/platform/private_exception.h"
#include "core/platform/ui_text_ids.h"
#include "core/work/background_executor.h"
#include "gui/app/control_names.h"
#include "gui/app/message_box.h"
#include "gui/app/qt_text.h"
#include "gui/app/window_icon.h"
#include "gui/controls/grid_frame.h"
#include "gui/monitor/monitor_grids.h"
#include "gui/monitor/monitor_widgets.h"

namespace voltaro {

namespace {

constexpr double kColumns = 9;  // column width = grid width / 9
constexpr int kMinColumnWidth = 84;
constexpr int kModuleTabCount = 2;

}  // namespace

CZCEnergyPage::CZCEnergyPage(CModbusInterface& client, CMeasurandsKT2& store, QWidget* parent)
    : QWidget(parent), client_(client), store_(store) {
    setObjectName(ControlObjectName(kTemplate));
    frame_ = MakeGridFrame(this, kIdGrid, "energy");
    frame_->SetLayoutRule(ToVector(model_.Labels()), kColumns, kMinColumnWidth, kZcEnergyRows - 1,
                          kZcEnergyColumns);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame_);
    layout->addStretch(1);
    Grid()->SetSelectable(true);
    Grid()->SetFirstSelectable(1, 1);
    CGridCellEditing::Page editing;
    editing.editable = [this](int column, int row) {
        return model_.EditableEntry(column, row) != nullptr;
    };
    editing.commit = [this](int column, int row, const std::string& text) {
        return model_.Commit(client_, store_, column, row, text);
    };
    editing.written = [this] { ShowCells(*Grid(), model_.Cells(store_)); };
    editing_ = std::make_unique<CGridCellEditing>(Grid(), std::move(editing));
}

CZCEnergyPage::~CZCEnergyPage() = default;

CDataGridView* CZCEnergyPage::Grid() const {
    return frame_->Grid();
}

void CZCEnergyPage::SetView(int view) {
    editing_->Cancel();
    Grid()->ClearCells();
    model_.SetView(view);
    frame_->SetLabels(ToVector(model_.Labels()));
}

void CZCEnergyPage::Fill(const CMeasurandsKT2& store) {
    std::vector<MeasurandCell> cells;
    if (model_.Fill(store, cells)) ShowCells(*Grid(), cells);
}

CZCPresetDialog::CZCPresetDialog(CModbusInterface& client, QWidget* parent)
    : CObserverDialog(parent),
      client_(client),
      read_([this] { outcome_ = RunPmRead(client_, store_, readView_, true); }) {
    setObjectName(ControlObjectName(kTemplate));
    setWindowTitle(Text(kTextZcPresetCaption));
    setWindowIcon(ProgramIcon());
    auto* top = new QVBoxLayout(this);
    tabs_ = MakeTabBar(this, kIdModuleTabs, "module_tabs", kTextsModuleTab, kModuleTabCount);
    page_ = new CZCEnergyPage(client_, store_, this);
    top->addWidget(TabbedPage(this, tabs_, page_));
    Attach(read_, *this);
    connect(tabs_, &QTabBar::currentChanged, this, &CZCPresetDialog::TabChanged);
    tabs_->setEnabled(false);
    Queue();
}

CZCPresetDialog::~CZCPresetDialog() {
    BackgroundExecutor().WaitUntilIdle();
    DetachAll();
}

void CZCPresetDialog::Queue() {
    readView_ = cycle_.View();
    queued_ = BackgroundExecutor().Post(read_);
}

void CZCPresetDialog::OnObservableUpdate(CObservable* source) {
    if (source == &read_) ReadDone();
}

void CZCPresetDialog::ReadDone() {
    queued_ = false;
    if (closed_) return;
    const PmUpdate update = cycle_.OnReadDone(outcome_, store_, tabs_->currentIndex());
    if (update.closeWhenIdle) {
        CloseWhenIdle(QDialog::Rejected);
        return;
    }
    if (update.handOver) {
        CloseWhenIdle(QDialog::Accepted);
        return;
    }
    if (update.fillPage) page_->Fill(store_);
    if (update.updateControls) {
        tabs_->setEnabled(update.tabEnabled);
        if (update.selectFirstTab) tabs_->setCurrentIndex(0);
    }
    if (update.requeue) Queue();
}

void CZCPresetDialog::TabChanged(int tab) {
    page_->SetView(cycle_.SelectTab(tab));
}

void CZCPresetDialog::reject() {
    cycle_.Cancel();
    if (!queued_) CloseWhenIdle(QDialog::Rejected);
}

void CZCPresetDialog::CloseWhenIdle(int result) {
    BackgroundExecutor().WaitUntilIdle();
    done(result);
}

void CZCPresetDialog::done(int result) {
    closed_ = true;
    CObserverDialog::done(result);
}

}  // namespace voltaro
