#include "gui/dialogs/compare_dialog.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/comm/modbus_interface.h"
#include "core/files/config_file.h"
#include "core/platform/list_text_ids.h"
#include "core/platform/private_exception.h"
#include "core/platform/profile.h"
#include "core/platform/string_table.h"
#include "core/platform/ui_text_ids.h"
#include "gui/app/control_names.h"
#include "gui/app/message_box.h"
#include "gui/app/qt_text.h"
#include "gui/controls/list_ctrl_info_tip.h"
#include "gui/dialogs/comm_dialog.h"
#include "gui/dialogs/progress_dialog.h"

namespace voltaro {

namespace {

QPushButton* MakeButton(QWidget* parent, int id, const char* name, int textId) {
    auto* button = new QPushButton(Text(textId), parent);
    NameControl(button, id, name);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

CCompareDialog::CCompareDialog(const ParameterImage& pcImage, AppSettings& settings,
                               QWidget* parent)
    : QDialog(parent), report_(pcImage), settings_(settings) {
    setObjectName(QStringLiteral("id142"));
    setWindowTitle(Text(kTextReportCaption));
    resize(560, 600);
    auto* top = new QVBoxLayout(this);

    auto* commands = new QHBoxLayout;
    QPushButton* exportCsv = MakeButton(this, kIdExportCsv, "export_csv", kTextReportExportCsv);
    commands->addWidget(exportCsv);
    auto* compare = new QGroupBox(Text(kTextReportCompareWith), this);
    auto* compareRow = new QHBoxLayout(compare);
    QPushButton* device = MakeButton(compare, kIdDevice, "compare_device", kTextReportDevice);
    QPushButton* file = MakeButton(compare, kIdFile, "compare_file", kTextReportFile);
    compareRow->addWidget(device);
    compareRow->addWidget(file);
    commands->addWidget(compare);
    commands->addStretch(1);
    top->addLayout(commands);

    list_ = new CListCtrlInfoTip(this);
    NameControl(list_, kIdList, "report_list");
    list_->setColumnCount(3);
    list_->setHeaderLabels({Text(kTextColumnName), Text(kTextColumnPc), QString()});
    list_->SetColumnWidths({220, 100, 100});
    top->addWidget(list_, 1);

    status_ = new QLabel(this);
    NameControl(status_, kIdStatus, "status");
    top->addWidget(status_);

    auto* bottom = new QHBoxLayout;
    hide_ = new QCheckBox(Text(kTextReportHideUnable), this);
    NameControl(hide_, kIdHide, "hide_unable");
    hide_->setChecked(settings_.hideIgnoreParameters);
    bottom->addWidget(hide_);
    bottom->addStretch(1);
    auto* close = new QPushButton(Text(kTextClose), this);
    close->setObjectName(ControlObjectName(kIdCancel));
    bottom->addWidget(close);
    top->addLayout(bottom);

    connect(exportCsv, &QPushButton::clicked, this, &CCompareDialog::ExportCsv);
    connect(device, &QPushButton::clicked, this, &CCompareDialog::CompareWithDevice);
    connect(file, &QPushButton::clicked, this, &CCompareDialog::CompareWithFile);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(hide_, &QCheckBox::toggled, this, [this](bool checked) {
        settings_.hideIgnoreParameters = checked;
        SaveHideIgnoreParameters(checked, CUserProfile::DefaultPath());
        FillList();
    });
    FillList();
}

void CCompareDialog::FillList() {
    const ReportListing listing = report_.Build(settings_.hideIgnoreParameters);
    list_->setUpdatesEnabled(false);
    list_->clear();
    list_->headerItem()->setText(2, ToQString(report_.OtherTitle()));
    QTreeWidgetItem* group = nullptr;
    int groupNumber = -1;
    QTreeWidgetItem* firstMismatch = nullptr;
    QFont bold = list_->font();
    bold.setBold(true);
    const QBrush grey = palette().brush(QPalette::Disabled, QPalette::Text);
    for (std::size_t i = 0; i < listing.rows.size(); ++i) {
        const ReportRow& row = listing.rows[i];
        if (group == nullptr || row.group != groupNumber) {
            group = new QTreeWidgetItem(list_, {ToQString(row.groupName)});
            group->setFirstColumnSpanned(true);
            group->setExpanded(true);
            groupNumber = row.group;
        }
        auto* item = new QTreeWidgetItem(
            group, {ToQString(row.name), ToQString(row.pcText), ToQString(row.otherText)});
        item->setData(0, Qt::UserRole, row.ItemData());
        item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
        item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
        for (int column = 0; column < 3; ++column) {
            if (row.state == RowState::Different) {
                item->setFont(column, bold);
                item->setBackground(column, QColor(255, 220, 220));
            } else if (row.state == RowState::NotApplicable) {
                item->setForeground(column, grey);
            }
        }
        if (static_cast<int>(i) == listing.firstMismatch) firstMismatch = item;
    }
    list_->expandAll();
    status_->setText(ToQString(report_.StatusText(listing)));
    status_->setStyleSheet(report_.StatusIsAlert(listing) ? QStringLiteral("color: rgb(255, 0, 0);")
                                                          : QString());
    list_->setUpdatesEnabled(true);
    if (firstMismatch != nullptr) list_->scrollToItem(firstMismatch);
}

void CCompareDialog::CompareWithDevice() {
    try {
        CModbusInterface client;
        if (!Connect(this, client)) return;
        ParameterImage image;
        if (!RunUploadWithProgress(this, client, image)) return;
        report_.CompareWith(image, LoadString(kTextDevice));
        FillList();
    } catch (const CPrivateException& error) {
        ReportFailure(this, error);
    }
}

void CCompareDialog::CompareWithFile() {
    FileDialogOptions options;
    options.title = Text(kTextReportFile);
    options.filter = LoadString(kTextConfigFileFilter);
    options.defaultSuffix = QStringLiteral("cfg");
    const QString path = GetOpenFileName(this, options);
    if (path.isEmpty()) return;
    try {
        ParameterImage image;
        if (!LoadConfigFile(ToStdString(path), image)) return;
        report_.CompareWith(image, ToStdString(QFileInfo(path).fileName()));
        FillList();
    } catch (const CPrivateException& error) {
        ReportFailure(this, error);
    }
}

void CCompareDialog::ExportCsv() {
    FileDialogOptions options;
    options.title = Text(kTextReportExportCsv);
    options.filter = LoadString(kTextCsvFileFilter);
    options.defaultSuffix = QStringLiteral("csv");
    QFileDialog dialog(this);
    ConfigureFileDialog(dialog, options, true);
    // The plain format stays the first choice; the spreadsheet form (header line, UTF-8 with
    // a byte order mark) follows it.
    const QString spreadsheet =
        ConvertFileFilter(LoadString(kTextCsvExcelFilter)).value(0, QString());
    QStringList filters = dialog.nameFilters();
    filters.insert(1, spreadsheet);
    dialog.setNameFilters(filters);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    const std::string path = ToStdString(dialog.selectedFiles().constFirst());
    try {
        if (dialog.selectedNameFilter() == spreadsheet) {
            report_.ExportSpreadsheetCsv(path, settings_.hideIgnoreParameters);
        } else {
            report_.ExportCsv(path, settings_.hideIgnoreParameters);
        }
    } catch (const CPrivateException& error) {
        ReportFailure(this, error);
    }
}

}  // namespace voltaro
