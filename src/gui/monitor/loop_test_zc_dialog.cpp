#include "gui/monitor/loop_test_zc_dialog.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "core/app/monitor_status.h"
#include "core/platform/message_ids.h"
#include "core/platform/private_exception.h"
#include "core/platform/ui_text_ids.h"
#include "core/work/background_executor.h"
#include "gui/app/control_names.h"
#include "gui/app/message_box.h"
#include "gui/app/qt_text.h"
#include "gui/dialogs/passcode_prompts.h"
#include "gui/monitor/monitor_widgets.h"

namespace voltaro {

void CLoopTestZCDialog::Run(CModbusInterface& client, QWidget* parent) {
    int channels = 0;
    bool loopTest = false;
    try {
        WaitCursor wait;
        channels = ReadZcChannelCount(client);
        loopTest = ReadZcLoopFlag(client, 0);
    } catch (const CPrivateException& e) {
        ShowException(parent, e);
        return;
    }
    CLoopTestZCDialog dialog(client, channels, loopTest, BackgroundExecutor(), parent);
    dialog.exec();
}

CLoopTestZCDialog::CLoopTestZCDialog(CModbusInterface& client, int channelCount, bool loopTest,
                                     CBackgroundExecutor& executor, QWidget* parent)
    : CLoopDialogBase(kTemplate, kTextLoopTestZcCaption, client, parent),
      executor_(executor),
      model_(channelCount, loopTest),
      pollFunctor_([this] { CLoopTestZcModel::RunPoll(client_, poll_); }) {
    auto* top = static_cast<QVBoxLayout*>(layout());
    auto* channelRow = new QHBoxLayout;
    channelRow->addWidget(new QLabel(Text(kTextLoopTestZcChannel), this));
    channels_ = new QComboBox(this);
    NameControl(channels_, kIdChannels, "channels");
    for (const std::string& label : model_.ChannelLabels())
        channels_->addItem(ToQString(label));
    channelRow->addWidget(channels_);
    channelRow->addStretch(1);
    error_ = MakeStatusLabel(this, kIdStatus);
    channelRow->addWidget(error_);
    top->insertLayout(0, channelRow);
    auto* note = new QLabel(Text(kTextLoopTestZcNote), this);
    note->setWordWrap(true);
    top->insertWidget(top->count() - 1, note);

    std::vector<QString> names;
    for (int i = 0; i < kZcLoopItems; ++i)
        names.push_back(ToQString(CLoopTestZcModel::ItemName(i)));
    BuildGrid(names);
    ShowMode(model_.LoopTest());
    ShowError();
    resize(420, 640);
    connect(channels_, &QComboBox::activated, this, &CLoopTestZCDialog::ChannelChanged);
    Attach(pollFunctor_, proxy_);
    Attach(proxy_, *this);
    PostPoll();
}

CLoopTestZCDialog::~CLoopTestZCDialog() {
    // The poll refers to this dialog's members: let it finish first.
    executor_.WaitUntilIdle();
    DetachAll();
}

void CLoopTestZCDialog::PostPoll() {
    poll_ = model_.NextPoll();
    model_.PollPosted(executor_.Post(pollFunctor_));
}

void CLoopTestZCDialog::Update(CObservable* source) {
    if (source == &pollFunctor_) PollDone();
}

void CLoopTestZCDialog::PollDone() {
    const ZcLoopPollUpdate update = model_.OnPollDone(poll_);
    if (update.close) {
        executor_.WaitUntilIdle();
        CLoopDialogBase::reject();
        return;
    }
    if (update.showValues) ShowValues();
    ShowError();
    if (update.requeue) PostPoll();
}

void CLoopTestZCDialog::reject() {
    if (model_.RequestClose()) CLoopDialogBase::reject();
}

void CLoopTestZCDialog::ShowError() {
    StatusView view;
    if (model_.Error()) {
        view.text = LoadString(kMsgMonitorCommunicationError);
        view.textColor = kColorRed;
    }
    ShowMonitorStatus(error_, view);
}

void CLoopTestZCDialog::ChannelChanged(int channel) {
    if (channel == model_.Channel()) return;
    try {
        WaitCursor wait;
        model_.SelectChannel(channel, ReadZcLoopFlag(client_, channel));
    } catch (const CPrivateException& e) {
        ShowException(this, e);
        channels_->setCurrentIndex(model_.Channel());
        return;
    }
    ShowMode(model_.LoopTest());
}

bool CLoopTestZCDialog::SwitchMode(bool on) {
    CPasscodePrompts prompts(this);
    const bool switched = model_.SwitchMode(client_, prompts, on);
    ShowValues();
    return switched;
}

void CLoopTestZCDialog::CommitValue(int row, const std::string& text) {
    WaitCursor wait;
    CPasscodePrompts prompts(this);
    model_.CommitEdit(client_, prompts, row, text);
}

QString CLoopTestZCDialog::ValueText(int row) const {
    return ToQString(model_.ValueText(row));
}

}  // namespace voltaro
