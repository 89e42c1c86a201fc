#include "gui/monitor/energy_page.h"

#include <QGroupBox>
#include <QVBoxLayout>

#include "core/platform/private_exception.h"
#include "gui/app/control_names.h"
#include "gui/app/message_box.h"
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
    editor_ = std::make_unique<CParEdit>(Grid());
    Attach(*Grid(), *this);
    Attach(*editor_, *this);
}

CEnergyPage::~CEnergyPage() {
    DetachAll();
}

CDataGridView* CEnergyPage::Grid() const {
    return frame_->Grid();
}

void CEnergyPage::SetView(int view) {
    if (editor_->Active()) {
        Grid()->setFocus(Qt::OtherFocusReason);
        editor_->Hide();
    }
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

void CEnergyPage::BeginEdit() {
    if (client_ == nullptr) return;
    column_ = Grid()->CurrentColumn();
    row_ = Grid()->CurrentRow();
    if (model_.EditableEntry(column_, row_) == nullptr) return;
    editor_->BeginTextEdit(Grid()->CellRect(column_, row_), ToQString(Grid()->RequestText()),
                           Grid()->RequestChar());
}

void CEnergyPage::EndEdit() {
    if (editor_->GetResult() != CParEdit::kEditAccepted) return;
    bool written = false;
    try {
        WaitCursor wait;
        CPasscodePrompts prompts(window());
        written = model_.Commit(*client_, prompts, *store_, column_, row_, editor_->Text());
    } catch (const CPrivateException& error) {
        ShowException(window(), error);
    }
    if (!written) {
        editor_->ResumeTextEdit();
        return;
    }
    const int navigation = editor_->Navigation();
    ShowCells(*Grid(), model_.Cells(*store_));
    NotifyObservers(this);
    Grid()->setFocus(Qt::OtherFocusReason);
    editor_->Hide();
    if (Grid()->MoveBy(navigation)) Grid()->Activate(0);
}

void CEnergyPage::Update(CObservable* source) {
    if (source == Grid()) {
        BeginEdit();
    } else if (source == editor_.get()) {
        EndEdit();
    }
}

}  // namespace voltaro
