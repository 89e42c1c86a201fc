#include "gui/dialogs/utility_dialog.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/device/utility_commands.h"
#include "core/platform/message_ids.h"
#include "core/platform/private_exception.h"
#include "core/platform/ui_text_ids.h"
#include "gui/app/control_names.h"
#include "gui/app/message_box.h"
#include "gui/app/qt_text.h"
#include "gui/dialogs/passcode_prompts.h"
#include "gui/dialogs/setting_dialog.h"
#include "gui/monitor/loop_test_dialogs.h"
#include "gui/monitor/preset_dialog.h"

namespace voltaro {

CTagDialog::CTagDialog(const std::string& tag, QWidget* parent) : QDialog(parent) {
    setObjectName(ControlObjectName(kTemplate));
    setWindowTitle(Text(kTextTagCaption));
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    row->addWidget(MakeLabel(this, kTextTagNo));
    field_ = MakeEdit(this, QStringLiteral("tag"), tag);
    field_->setMaxLength(static_cast<int>(kTagLength));
    row->addWidget(field_);
    layout->addLayout(row);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    NameControl(buttons->button(QDialogButtonBox::Ok), kIdOk, "ok");
    NameControl(buttons->button(QDialogButtonBox::Cancel), kIdCancel, "cancel");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

std::string CTagDialog::Tag() const {
    // Single-byte characters only: anything else becomes "?".
    std::string tag;
    for (QChar c : field_->text())
        tag.push_back(c.unicode() < 0x80 ? static_cast<char>(c.unicode()) : '?');
    return tag;
}

namespace {

QPushButton* AddButton(QWidget* parent, QBoxLayout* layout, int textId, const char* name) {
    auto* button = new QPushButton(Text(textId), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    layout->addWidget(button);
    return button;
}

}  // namespace

CUtilityDialog::CUtilityDialog(CModbusInterface& client, const UtilityDevice& device,
                               QWidget* parent)
    : QDialog(parent), client_(client), device_(device) {
    setObjectName(ControlObjectName(kTemplate));
    setWindowTitle(Text(kTextUtilityCaption));
    auto* layout = new QVBoxLayout(this);
    auto* group = new QGroupBox(Text(kTextUtilityResetOperation), this);
    auto* resets = new QHBoxLayout(group);
    const struct {
        int text;
        const char* name;
        ResetKind kind;
    } kResets[] = {{kTextUtilityEnergy, "energy", ResetKind::Energy},
                   {kTextUtilityMaxMin, "max_min", ResetKind::MaxMin},
                   {kTextUtilityDemand, "demand", ResetKind::Demand},
                   {kTextUtilityCounter, "counter", ResetKind::Counter}};
    for (const auto& r : kResets) {
        QPushButton* button = AddButton(group, resets, r.text, r.name);
        const ResetKind kind = r.kind;
        connect(button, &QPushButton::clicked, this, [this, kind] { Reset(kind); });
        if (kind == ResetKind::Counter) button->setEnabled(UtilityCounterEnabled(device_));
    }
    layout->addWidget(group);
    auto* row = new QHBoxLayout;
    connect(AddButton(this, row, kTextUtilityTagNo, "tag_no"), &QPushButton::clicked, this,
            &CUtilityDialog::EditTag);
    QPushButton* loop = AddButton(this, row, kTextUtilityLoopTest, "loop_test");
    loop->setEnabled(UtilityLoopTestEnabled(device_));
    connect(loop, &QPushButton::clicked, this, &CUtilityDialog::LoopTest);
    connect(AddButton(this, row, kTextUtilityPreset, "preset"), &QPushButton::clicked, this,
            &CUtilityDialog::Preset);
    QPushButton* close = AddButton(this, row, kTextClose, "close");
    NameControl(close, kIdCancel, "close");
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    layout->addLayout(row);
}

void CUtilityDialog::Reset(ResetKind kind) {
    try {
        CPasscodePrompts prompts(this);
        RunReset(client_, prompts, kind, device_.channel, device_.counters);
    } catch (const CPrivateException& e) {
        ShowException(this, e);
    }
}

void CUtilityDialog::EditTag() {
    try {
        std::string tag;
        {
            WaitCursor wait;
            tag = ReadTag(client_);
        }
        CTagDialog dialog(tag, this);
        if (dialog.exec() != QDialog::Accepted) return;
        CPasscodePrompts prompts(this);
        WriteTag(client_, prompts, dialog.Tag());
    } catch (const CPrivateException& e) {
        ShowException(this, e);
    }
}

void CUtilityDialog::LoopTest() {
    if (!Ask(this, Text(kMsgLoopTestWarning), AskIcon::Exclamation)) return;
    // The utility dialog steps aside while the loop test runs.
    hide();
    CLoopTestDialog::Run(client_, device_.channel, this->parentWidget());
    show();
}

void CUtilityDialog::Preset() {
    CPresetDialog::Run(client_, device_.channel, this);
}

}  // namespace voltaro
