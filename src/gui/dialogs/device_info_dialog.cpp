#include "gui/dialogs/device_info_dialog.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/app/device_info_model.h"
#include "core/app/monitor_page_lists.h"
#include "core/platform/private_exception.h"
#include "core/platform/ui_text_ids.h"
#include "gui/app/control_names.h"
#include "gui/app/message_box.h"
#include "gui/app/qt_text.h"
#include "gui/app/window_icon.h"
#include "gui/controls/grid_frame.h"
#include "gui/monitor/monitor_grids.h"

namespace voltaro {

namespace {

constexpr double kColumns = 2;  // two columns of half the grid's width
constexpr int kMinColumnWidth = 150;

}  // namespace

CDeviceInfoDialog::CDeviceInfoDialog(CModbusInterface& client, QWidget* parent)
    : QDialog(parent), client_(client) {
    setObjectName(ControlObjectName(kTemplate));
    setWindowTitle(Text(kTextDeviceInfoCaption));
    setWindowIcon(ProgramIcon());
    grid_ = MakeGridFrame(this, kIdGrid, "device_information");
    grid_->SetLayoutRule(ToVector(DeviceInfoLabels()), kColumns, kMinColumnWidth, 0, 2);
    auto* close = new QPushButton(Text(kTextClose), this);
    NameControl(close, kIdCancel, "close");
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_);
    layout->addStretch(1);
    layout->addWidget(close, 0, Qt::AlignRight);
}

int CDeviceInfoDialog::Run() {
    try {
        WaitCursor wait;
        ReadDeviceInformation(client_, store_);
    } catch (const CPrivateException& error) {
        ShowException(parentWidget(), error);
        return QDialog::Rejected;
    }
    ShowCells(*grid_->Grid(), DeviceInfoValueCells(store_));
    return exec();
}

}  // namespace voltaro
