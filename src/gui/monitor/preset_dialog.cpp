#include "gui/monitor/preset_dialog.h"

#include <QPushButton>
#include <QTabBar>
#include <QTimer>
#include <QVBoxLayout>

#include "core/app/meter_monitor_model.h"
#include "core/platform/list_text_ids.h"
#include "core/platform/ui_text_ids.h"
#include "core/work/background_executor.h"
#include "gui/app/control_names.h"
#include "gui/app/qt_text.h"
#include "gui/monitor/energy_page.h"

namespace voltaro {

void CPresetDialog::Run(CModbusInterface& client, int channel, QWidget* parent) {
    CPresetDialog dialog(client, channel, BackgroundExecutor(), parent);
    dialog.exec();
}

CPresetDialog::CPresetDialog(CModbusInterface& client, int channel, CBackgroundExecutor& executor,
                             QWidget* parent)
    : CObserverDialog(parent),
      client_(client),
      executor_(executor),
      reader_(client, store_, channel),
      read_([this] { reader_.Read(); }),
      channel_(channel) {
    setObjectName(ControlObjectName(kTemplate));
    setWindowTitle(Text(kTextPresetCaption));
    auto* layout = new QVBoxLayout(this);
    tabs_ = new QTabBar(this);
    NameControl(tabs_, kIdTabs, "energy_tabs");
    for (int i = 0; i < kEnergyTabCount; ++i)
        tabs_->addTab(Text(kTextsEnergyTabs + i));
    tabs_->setEnabled(false);
    layout->addWidget(tabs_);
    page_ = new CEnergyPage(this);
    page_->Model().channel = channel;
    layout->addWidget(page_, 1);
    auto* close = new QPushButton(Text(kTextClose), this);
    NameControl(close, kIdCancel, "close");
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &CPresetDialog::reject);
    layout->addWidget(close, 0, Qt::AlignRight);
    connect(tabs_, &QTabBar::currentChanged, this, &CPresetDialog::TabChanged);
    resize(720, 420);
    Attach(read_, *this);
    PostRead();
}

CPresetDialog::~CPresetDialog() {
    executor_.WaitUntilIdle();
}

void CPresetDialog::TabChanged(int tab) {
    page_->SetView(tab);
    reader_.view = tab;
}

void CPresetDialog::reject() {
    closing_ = true;
    // Ends at once between reads, else with the completion of the read in flight.
    if (!inFlight_) QDialog::reject();
}

void CPresetDialog::PostRead() {
    if (closing_) return;
    inFlight_ = true;
    executor_.Post(read_);
}

void CPresetDialog::OnObservableUpdate(CObservable*) {
    inFlight_ = false;
    if (closing_) {
        executor_.WaitUntilIdle();
        QDialog::reject();
        return;
    }
    if (!reader_.Failed()) {
        if (!editingOn_) {
            page_->EnableEditing(client_, store_, channel_, reader_.SwapWords());
            editingOn_ = true;
        }
        tabs_->setEnabled(true);
        if (reader_.ReadView() == page_->View()) page_->Fill(store_, reader_.DeviceType());
    }
    QTimer::singleShot(kReadPauseMs, this, &CPresetDialog::PostRead);
}

}  // namespace voltaro
