#include "gui/monitor/loop_test_dialogs.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/model/value_helpers.h"
#include "core/monitor/measurand_store.h"
#include "core/platform/list_text_ids.h"
#include "core/platform/private_exception.h"
#include "core/platform/ui_text_ids.h"
#include "gui/app/control_names.h"
#include "gui/app/message_box.h"
#include "gui/app/qt_text.h"
#include "gui/controls/grid_frame.h"
#include "gui/dialogs/passcode_prompts.h"
#include "gui/monitor/grid_cell_editing.h"

namespace voltaro {

namespace {

constexpr int kGridColumns = 2;
constexpr double kColumnDivisor = 2;  // two columns over the dialog's width
constexpr int kMinColumnWidth = 130;

}  // namespace

CLoopDialogBase::CLoopDialogBase(int templateId, int captionId, CModbusInterface& client,
                                 QWidget* parent)
    : QDialog(parent), client_(client) {
    setObjectName(ControlObjectName(templateId));
    setWindowTitle(Text(captionId));
    auto* layout = new QVBoxLayout(this);
    auto* modes = new QHBoxLayout;
    loop_ = new QRadioButton(Text(kTextLoopTestMode), this);
    NameControl(loop_, kIdLoopTestMode, "loop_test_mode");
    normal_ = new QRadioButton(Text(kTextLoopTestNormal), this);
    NameControl(normal_, kIdNormalMode, "normal_mode");
    modes->addWidget(loop_);
    modes->addWidget(normal_);
    modes->addStretch(1);
    layout->addLayout(modes);
    frame_ = new CGridFrame(this);
    frame_->Grid()->setObjectName(QStringLiteral("values"));
    frame_->Grid()->SetSelectable(true);
    frame_->Grid()->SetFirstSelectable(0, kValueColumn);
    layout->addWidget(frame_, 1);
    CGridCellEditing::Page editing;
    editing.editable = [this](int column, int row) {
        return column == kValueColumn && Editable(row);
    };
    editing.commit = [this](int, int row, const std::string& text) {
        CommitValue(row, text);
        return true;
    };
    editing.written = [this] { ShowValues(); };
    editing_ = std::make_unique<CGridCellEditing>(frame_->Grid(), std::move(editing));
    auto* close = new QPushButton(Text(kTextClose), this);
    NameControl(close, kIdCancel, "close");
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    layout->addWidget(close, 0, Qt::AlignRight);
    connect(loop_, &QRadioButton::clicked, this, [this] { ModeClicked(true); });
    connect(normal_, &QRadioButton::clicked, this, [this] { ModeClicked(false); });
}

CLoopDialogBase::~CLoopDialogBase() = default;

CDataGridView* CLoopDialogBase::Grid() const {
    return frame_->Grid();
}

CParEdit& CLoopDialogBase::Editor() {
    return editing_->Editor();
}

void CLoopDialogBase::BuildGrid(const std::vector<QString>& names) {
    names_ = names;
    frame_->SetLayoutRule({}, kColumnDivisor, kMinColumnWidth, static_cast<int>(names_.size()) - 1,
                          kGridColumns);
    ShowValues();
}

void CLoopDialogBase::ShowMode(bool on) {
    loop_->setChecked(on);
    normal_->setChecked(!on);
    if (!on) editing_->Cancel();  // nothing can be typed in Normal mode
    ShowValues();
}

bool CLoopDialogBase::LoopTestOn() const {
    return loop_->isChecked();
}

void CLoopDialogBase::ShowValues() {
    CDataGridView* grid = Grid();
    grid->ClearCells();
    for (int r = 0; r < static_cast<int>(names_.size()); ++r) {
        grid->SetCellText(kNameColumn, r, ToStdString(names_[static_cast<std::size_t>(r)]));
        grid->SetCellText(kValueColumn, r, ToStdString(ValueText(r)));
    }
    grid->update();
}

void CLoopDialogBase::ModeClicked(bool on) {
    bool switched = false;
    try {
        WaitCursor wait;
        switched = SwitchMode(on);
    } catch (const CPrivateException& e) {
        ShowException(this, e);
    }
    // A refused or failed switch leaves the radio buttons on the device's mode.
    ShowMode(switched ? on : !on);
}

void CLoopBackDialog::Run(CModbusInterface& client, const CMeasurandsKT2* store, QWidget* parent) {
    AoLoopState state;
    try {
        WaitCursor wait;
        state = ReadAoLoopTest(client);
    } catch (const CPrivateException& e) {
        ShowException(parent, e);
        return;
    }
    CLoopBackDialog dialog(client, state, store, parent);
    dialog.exec();
}

CLoopBackDialog::CLoopBackDialog(CModbusInterface& client, const AoLoopState& state,
                                 const CMeasurandsKT2* store, QWidget* parent)
    : CLoopDialogBase(kTemplate, kTextLoopBackCaption, client, parent),
      state_(state),
      store_(store) {
    std::vector<QString> names;
    for (int i = 0; i < kAoTestValues; ++i)
        names.push_back(Text(kTextsAnalogOutput + i));
    BuildGrid(names);
    ShowMode(state_.loopTest);
    connect(&timer_, &QTimer::timeout, this, &CLoopBackDialog::Refresh);
    timer_.start(kRefreshMs);
}

void CLoopBackDialog::Refresh() {
    if (LoopTestOn() || store_ == nullptr) return;
    for (int i = 0; i < kAoTestValues; ++i)
        state_.values[static_cast<std::size_t>(i)] =
            store_->analogOutputs[static_cast<std::size_t>(i)];
    ShowValues();
}

bool CLoopBackDialog::SwitchMode(bool on) {
    CPasscodePrompts prompts(this);
    return SetAoLoopTest(client_, prompts, on, state_.values);
}

void CLoopBackDialog::CommitValue(int row, const std::string& text) {
    AoValues values = state_.values;
    values[static_cast<std::size_t>(row)] = ParseAoValue(row, state_.currentOutput, text);
    CPasscodePrompts prompts(this);
    if (WriteAoValues(client_, prompts, values)) state_.values = values;
}

QString CLoopBackDialog::ValueText(int row) const {
    return ToQString(FormatScaledValue(state_.values[static_cast<std::size_t>(row)],
                                       AoValueRange(state_.currentOutput).scale));
}

void CLoopTestDialog::Run(CModbusInterface& client, int channel, QWidget* parent) {
    ZbLoopState state;
    try {
        WaitCursor wait;
        state = ReadZbLoopTest(client, channel);
    } catch (const CPrivateException& e) {
        ShowException(parent, e);
        return;
    }
    CLoopTestDialog dialog(client, channel, state, parent);
    dialog.exec();
}

CLoopTestDialog::CLoopTestDialog(CModbusInterface& client, int channel, const ZbLoopState& state,
                                 QWidget* parent)
    : CLoopDialogBase(kTemplate, kTextLoopTestCaption, client, parent),
      channel_(channel),
      state_(state) {
    std::vector<QString> names;
    for (int i = 0; i < kZbTestValues; ++i)
        names.push_back(QString::number(i) + QStringLiteral(" ") +
                        Text(LoopValueNameId(ZbItemKind(i))));
    BuildGrid(names);
    ShowMode(state_.loopTest);
}

bool CLoopTestDialog::SwitchMode(bool on) {
    CPasscodePrompts prompts(this);
    return SetZbLoopTest(client_, prompts, channel_, on, state_.values);
}

void CLoopTestDialog::CommitValue(int row, const std::string& text) {
    ZbValues values = state_.values;
    values[static_cast<std::size_t>(row)] = ParseLoopValue(ZbItemKind(row), text);
    CPasscodePrompts prompts(this);
    if (WriteZbValues(client_, prompts, channel_, values)) state_.values = values;
}

QString CLoopTestDialog::ValueText(int row) const {
    const LoopValueKind kind = ZbItemKind(row);
    const int64_t scale = kind == LoopValueKind::Fixed ? 1 : LoopValueRangeOf(kind).scale;
    return ToQString(FormatScaledValue(state_.values[static_cast<std::size_t>(row)], scale));
}

bool CLoopTestDialog::Editable(int row) const {
    return LoopTestOn() && ZbItemKind(row) != LoopValueKind::Fixed;
}

}  // namespace voltaro
