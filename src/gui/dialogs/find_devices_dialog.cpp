#include "gui/dialogs/find_devices_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMetaObject>
#include <QProgressDialog>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/comm/rtu_framing.h"
#include "core/platform/private_exception.h"
#include "core/platform/scan_text_ids.h"
#include "core/platform/ui_text_ids.h"
#include "gui/app/control_names.h"
#include "gui/app/qt_text.h"

namespace voltaro {
namespace {

// Hands the scan's news from its thread to the dialog's, where the widgets live. A call
// queued for a dialog that is gone is dropped with it.
class QueuedListener : public IScanListener {
  public:
    QueuedListener(QObject* target,
                   std::function<void(ScanLine, int, std::size_t, std::size_t)> progress,
                   std::function<void(ScanFinding)> found)
        : target_(target), progress_(std::move(progress)), found_(std::move(found)) {}
    void OnScanProgress(std::size_t done, std::size_t total, const ScanLine& line,
                        int address) override {
        QMetaObject::invokeMethod(
            target_, [=, this] { progress_(line, address, done, total); }, Qt::QueuedConnection);
    }
    void OnDeviceFound(const ScanFinding& finding) override {
        QMetaObject::invokeMethod(
            target_, [finding, this] { found_(finding); }, Qt::QueuedConnection);
    }

  private:
    QObject* target_;
    std::function<void(ScanLine, int, std::size_t, std::size_t)> progress_;
    std::function<void(ScanFinding)> found_;
};

}  // namespace

CFindDevicesDialog::CFindDevicesDialog(const CComSettings& current, QWidget* parent)
    : QDialog(parent), model_(current) {
    setWindowTitle(Text(kUiFindDevicesTitle));
    auto* top = new QVBoxLayout(this);
    auto* target = new QLabel(ToQString(model_.TargetText()), this);
    NameControl(target, kIdFindTarget, "find_target");
    top->addWidget(target);

    auto* grid = new QGridLayout();
    grid->addWidget(new QLabel(Text(kUiScanAddressesLabel), this), 0, 0);
    addresses_ = new QLineEdit(ToQString(model_.DefaultAddresses()), this);
    NameControl(addresses_, kIdFindAddresses, "find_addresses");
    grid->addWidget(addresses_, 0, 1);
    grid->addWidget(new QLabel(Text(kUiScanBaudsLabel), this), 1, 0);
    auto* baudRow = new QHBoxLayout();
    for (int i = 0; i < kFindBaudCount; ++i) {
        auto* box = new QCheckBox(QString::number(BaudRateOfIndex(i)), this);
        NameControl(box, kIdFindBaudFirst + i, "find_baud");
        box->setChecked(model_.BaudTicked(i));
        box->setEnabled(model_.BaudsEnabled());
        baudRow->addWidget(box);
        bauds_.push_back(box);
    }
    grid->addLayout(baudRow, 1, 1);
    top->addLayout(grid);

    scanButton_ = new QPushButton(Text(kUiScanStartButton), this);
    NameControl(scanButton_, kIdFindScan, "find_scan");
    top->addWidget(scanButton_);

    results_ = new QTableWidget(0, 3, this);
    NameControl(results_, kIdFindResults, "find_results");
    results_->setHorizontalHeaderLabels(
        {Text(kUiScanColumnAddress), Text(kUiScanColumnLine), Text(kUiScanColumnModel)});
    results_->setSelectionBehavior(QAbstractItemView::SelectRows);
    results_->setSelectionMode(QAbstractItemView::SingleSelection);
    results_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    results_->horizontalHeader()->setStretchLastSection(true);
    results_->verticalHeader()->hide();
    top->addWidget(results_);

    auto* buttons = new QDialogButtonBox(this);
    use_ = buttons->addButton(Text(kUiScanUseButton), QDialogButtonBox::AcceptRole);
    use_->setObjectName(ControlObjectName(kIdOk));
    use_->setEnabled(false);
    QPushButton* cancel = buttons->addButton(Text(kTextCancel), QDialogButtonBox::RejectRole);
    cancel->setObjectName(ControlObjectName(kIdCancel));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    top->addWidget(buttons);

    connect(scanButton_, &QPushButton::clicked, this, &CFindDevicesDialog::StartScan);
    connect(results_, &QTableWidget::itemSelectionChanged, this,
            [this] { use_->setEnabled(!results_->selectedItems().isEmpty()); });
    connect(results_, &QTableWidget::cellDoubleClicked, this, [this] { accept(); });
    resize(560, 360);
}

CFindDevicesDialog::~CFindDevicesDialog() {
    StopScan();
}

void CFindDevicesDialog::StopScan() {
    if (scan_) scan_->Cancel();
    if (thread_.joinable()) thread_.join();
}

void CFindDevicesDialog::StartScan() {
    if (thread_.joinable()) return;
    std::vector<int> ticked;
    for (int i = 0; i < kFindBaudCount; ++i)
        if (bauds_[static_cast<std::size_t>(i)]->isChecked()) ticked.push_back(i);
    ScanPlan plan;
    if (std::string error = model_.BuildPlan(ToStdString(addresses_->text()), ticked, plan);
        !error.empty()) {
        ReportFailure(this, CPrivateException(error));
        FocusAndSelect(addresses_);
        return;
    }
    found_.clear();
    results_->setRowCount(0);
    use_->setEnabled(false);
    scanButton_->setEnabled(false);

    progress_ = new QProgressDialog(Text(kUiScanProgressTitle), Text(kTextCancel), 0, 100, this);
    progress_->setWindowTitle(Text(kUiFindDevicesTitle));
    progress_->setWindowModality(Qt::WindowModal);
    progress_->setAutoClose(false);
    progress_->setAutoReset(false);
    progress_->setMinimumDuration(0);
    progress_->setValue(0);
    scan_ = std::make_unique<CBusScan>(model_.Target(), std::move(plan));
    connect(progress_, &QProgressDialog::canceled, this, [this] {
        if (scan_) scan_->Cancel();
    });
    listener_ = std::make_unique<QueuedListener>(
        this,
        [this](ScanLine line, int address, std::size_t done, std::size_t total) {
            ShowProgress(line, address, done, total);
        },
        [this](const ScanFinding& finding) { AddFinding(finding); });
    thread_ = std::thread([this] {
        std::string failure;
        try {
            scan_->Run(listener_.get());
        } catch (const CPrivateException& e) {
            failure = e.Message();
        }
        QMetaObject::invokeMethod(
            this, [this, failure] { ScanEnded(failure); }, Qt::QueuedConnection);
    });
}

void CFindDevicesDialog::ShowProgress(const ScanLine& line, int address, std::size_t done,
                                      std::size_t total) {
    if (!progress_) return;
    if (address != 0)
        progress_->setLabelText(
            ToQString(CFindDevicesModel::ProgressText(line, address, model_.Tcp())));
    progress_->setValue(CFindDevicesModel::ProgressPercent(done, total));
}

void CFindDevicesDialog::AddFinding(const ScanFinding& finding) {
    found_.push_back(finding);
    const int row = results_->rowCount();
    results_->insertRow(row);
    const std::vector<std::string> texts = model_.RowTexts(finding);
    for (int column = 0; column < 3; ++column)
        results_->setItem(row, column,
                          new QTableWidgetItem(ToQString(texts[static_cast<std::size_t>(column)])));
    if (row == 0) results_->selectRow(0);
}

void CFindDevicesDialog::ScanEnded(const std::string& failure) {
    if (thread_.joinable()) thread_.join();
    if (progress_) {
        progress_->close();
        progress_->deleteLater();
        progress_ = nullptr;
    }
    scanButton_->setEnabled(true);
    if (!failure.empty()) ReportFailure(this, CPrivateException(failure));
}

void CFindDevicesDialog::accept() {
    const int row = results_->currentRow();
    if (row < 0 || row >= static_cast<int>(found_.size())) return;
    StopScan();
    choice_ = CFindDevicesModel::ChoiceOf(found_[static_cast<std::size_t>(row)]);
    QDialog::accept();
}

}  // namespace voltaro
