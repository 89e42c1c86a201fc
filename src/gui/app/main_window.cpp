#include "gui/app/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "core/platform/private_exception.h"
#include "core/platform/ui_text_ids.h"
#include "gui/app/control_names.h"
#include "gui/app/qt_text.h"
#include "gui/app/window_icon.h"
#include "gui/dialogs/input2_page.h"
#include "gui/dialogs/passcode_dialog.h"
#include "gui/dialogs/setting_dialogs.h"

namespace voltaro {

namespace {

// The window's own template id (its object name "id132").
constexpr int kMainWindowTemplate = 132;

// Ids of the bargraph labels beside the two bargraph edits.
constexpr int kIdBarVoltageLabel = 1098;
constexpr int kIdBarVoltageUnit = 1099;
constexpr int kIdBarCurrentLabel = 1100;
constexpr int kIdBarCurrentUnit = 1101;
// Tool tips of the command buttons.
constexpr int kTipUpload = 4100;

QLineEdit* MakeEdit(QWidget* parent, int id, const char* name) {
    auto* edit = new QLineEdit(parent);
    NameControl(edit, id, name);
    edit->setAlignment(Qt::AlignRight);
    edit->setMaximumWidth(90);
    return edit;
}

QComboBox* MakeCombo(QWidget* parent, int id, const char* name) {
    auto* combo = new QComboBox(parent);
    NameControl(combo, id, name);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return combo;
}

void FillCombo(QComboBox* combo, const std::vector<std::string>& texts, int selected) {
    combo->clear();
    for (const std::string& text : texts)
        combo->addItem(ToQString(text));
    combo->setCurrentIndex(selected);
}

}  // namespace

QString ProductTitle() {
    return QStringLiteral(VOLTARO_PRODUCT_NAME " Version " VOLTARO_PRODUCT_VERSION);
}

CBasicParameterDialog::CBasicParameterDialog(ParameterImage& carryOver, AppSettings& settings,
                                             QWidget* parent)
    : CBasicParameterDialog(carryOver, settings, ownSession_, parent) {}

CBasicParameterDialog::CBasicParameterDialog(ParameterImage& carryOver, AppSettings& settings,
                                             MainWindowSession& session, QWidget* parent)
    : QDialog(parent),
      model_(carryOver),
      carryOver_(carryOver),
      settings_(settings),
      session_(session) {
    setObjectName(ControlObjectName(kMainWindowTemplate));
    setWindowFlag(Qt::WindowMinimizeButtonHint);
    setWindowIcon(ProgramIcon());
    BuildWidgets();
    Refresh();
    if (!session_.document.HasSnapshot()) MarkClean(DocumentEvent::Started);
    WatchForEdits();
    UpdateTitle();
}

QPushButton* CBasicParameterDialog::MakeButton(int id, const char* name, int textId) {
    auto* button = new QPushButton(Text(textId), this);
    NameControl(button, id, name);
    button->setAutoDefault(false);
    return button;
}

void CBasicParameterDialog::BuildWidgets() {
    auto* top = new QVBoxLayout(this);
    top->setMenuBar(BuildMenuBar());
    top->addWidget(BuildCommandButtons());
    auto* middle = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(BuildModelGroup());
    left->addWidget(BuildRatingGroup());
    left->addWidget(BuildDemandGroup());
    left->addStretch(1);
    middle->addLayout(left, 1);
    middle->addWidget(BuildSettingButtons());
    top->addLayout(middle);
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("status_line"));
    status_->setWordWrap(true);
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    top->addWidget(status_);
}

QWidget* CBasicParameterDialog::BuildCommandButtons() {
    struct Command {
        int id;
        const char* name;
        int textId;
        void (CBasicParameterDialog::*run)();
    };
    const Command commands[] = {
        {kIdUpload, "upload", kTextMainUpload, &CBasicParameterDialog::Upload},
        {kIdDownload, "download", kTextMainDownload, &CBasicParameterDialog::Download},
        {kIdProtect, "protect", kTextMainProtect, &CBasicParameterDialog::Protect},
        {kIdReport, "report", kTextMainReport, &CBasicParameterDialog::Report},
        {kIdSaveFile, "save_file", kTextMainSaveFile, &CBasicParameterDialog::SaveFile},
        {kIdOpenFile, "open_file", kTextMainOpenFile, &CBasicParameterDialog::OpenFile},
        {kIdMonitor, "monitor", kTextMainMonitor, &CBasicParameterDialog::Monitor},
        {kIdLanguage, "language", kTextMainLanguage, &CBasicParameterDialog::SwitchLanguage},
    };
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    int tip = kTipUpload;
    for (const Command& command : commands) {
        QPushButton* button = MakeButton(command.id, command.name, command.textId);
        button->setToolTip(Text(tip++));
        connect(button, &QPushButton::clicked, this, command.run);
        row->addWidget(button);
    }
    return box;
}

QWidget* CBasicParameterDialog::BuildModelGroup() {
    auto* group = new QGroupBox(Text(kTextMainModel), this);
    group->setObjectName(QStringLiteral("model_group"));
    auto* grid = new QGridLayout(group);
    prefix_ = MakeCombo(group, kIdModelPrefix, "model_prefix");
    description_ = MakeCombo(group, kIdModelDescription, "model_description");
    version_ = MakeCombo(group, kIdModelVersion, "model_version");
    grid->addWidget(prefix_, 0, 0);
    grid->addWidget(description_, 0, 1);
    grid->addWidget(version_, 0, 2);
    grid->setColumnStretch(1, 1);
    connect(prefix_, &QComboBox::activated, this,
            [this](int i) { ModelPicked(CMainWindowModel::Level::Prefix, i); });
    connect(description_, &QComboBox::activated, this,
            [this](int i) { ModelPicked(CMainWindowModel::Level::Description, i); });
    connect(version_, &QComboBox::activated, this,
            [this](int i) { ModelPicked(CMainWindowModel::Level::Version, i); });

    system_ = MakeCombo(group, kIdSystem, "system");
    grid->addWidget(new QLabel(Text(kTextMainSystem), group), 1, 0);
    grid->addWidget(system_, 1, 1, 1, 2);
    dip_ = new QCheckBox(Text(kTextMainDipSwitch), group);
    NameControl(dip_, kIdDipSwitch, "dip_switch");
    grid->addWidget(dip_, 2, 0, 1, 3);
    connect(dip_, &QCheckBox::toggled, this, [this](bool checked) {
        if (filling_) return;
        model_.SetDipChecked(checked);
        system_->setEnabled(!checked);
        inputPage_->setEnabled(!checked);
        UpdateDisabledTips();
        UpdateTitle();
    });
    return group;
}

QWidget* CBasicParameterDialog::BuildRatingGroup() {
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    auto* vt = new QGroupBox(Text(kTextMainVtRating), box);
    vt->setObjectName(QStringLiteral("vt_rating"));
    auto* vtGrid = new QGridLayout(vt);
    vtPrimary_ = MakeEdit(vt, kIdVtPrimary, "vt_primary");
    vtSecondary_ = MakeEdit(vt, kIdVtSecondary, "vt_secondary");
    vtGrid->addWidget(new QLabel(Text(kTextMainPrimary), vt), 0, 0);
    vtGrid->addWidget(vtPrimary_, 0, 1);
    vtGrid->addWidget(new QLabel(Text(kTextMainVolt), vt), 0, 2);
    vtGrid->addWidget(new QLabel(Text(kTextMainSecondary), vt), 1, 0);
    vtGrid->addWidget(vtSecondary_, 1, 1);
    vtGrid->addWidget(new QLabel(Text(kTextMainVolt), vt), 1, 2);
    auto* ct = new QGroupBox(Text(kTextMainCtRating), box);
    ct->setObjectName(QStringLiteral("ct_rating"));
    auto* ctGrid = new QGridLayout(ct);
    ctPrimary_ = MakeEdit(ct, kIdCtPrimary, "ct_primary");
    ctSecondary_ = MakeEdit(ct, kIdCtSecondary, "ct_secondary");
    ctGrid->addWidget(new QLabel(Text(kTextMainPrimary), ct), 0, 0);
    ctGrid->addWidget(ctPrimary_, 0, 1);
    ctGrid->addWidget(new QLabel(Text(kTextMainAmpere), ct), 0, 2);
    ctGrid->addWidget(new QLabel(Text(kTextMainSecondary), ct), 1, 0);
    ctGrid->addWidget(ctSecondary_, 1, 1);
    ctGrid->addWidget(new QLabel(Text(kTextMainAmpere), ct), 1, 2);

    barVoltage_ = MakeEdit(vt, kIdBarVoltage, "bar_voltage");
    barCurrent_ = MakeEdit(ct, kIdBarCurrent, "bar_current");
    auto* barVLabel = new QLabel(Text(kTextMainBar100), vt);
    NameControl(barVLabel, kIdBarVoltageLabel, "bar_voltage_label");
    auto* barVUnit = new QLabel(Text(kTextMainVolt), vt);
    NameControl(barVUnit, kIdBarVoltageUnit, "bar_voltage_unit");
    auto* barALabel = new QLabel(Text(kTextMainBar100), ct);
    NameControl(barALabel, kIdBarCurrentLabel, "bar_current_label");
    auto* barAUnit = new QLabel(Text(kTextMainAmpere), ct);
    NameControl(barAUnit, kIdBarCurrentUnit, "bar_current_unit");
    vtGrid->addWidget(barVLabel, 2, 0);
    vtGrid->addWidget(barVoltage_, 2, 1);
    vtGrid->addWidget(barVUnit, 2, 2);
    ctGrid->addWidget(barALabel, 2, 0);
    ctGrid->addWidget(barCurrent_, 2, 1);
    ctGrid->addWidget(barAUnit, 2, 2);
    barControls_ = {barVLabel, barVoltage_, barVUnit, barALabel, barCurrent_, barAUnit};

    grid->addWidget(vt, 0, 0);
    grid->addWidget(ct, 0, 1);
    ratingGroups_ = {vt, ct};
    // The CT/VT input page of the multi-circuit types takes the place of the two groups.
    inputPage_ = new CInput2Page(box);
    inputPage_->setObjectName(QStringLiteral("input_page"));
    grid->addWidget(inputPage_, 1, 0, 1, 2);
    return box;
}

QWidget* CBasicParameterDialog::BuildDemandGroup() {
    auto* group = new QGroupBox(Text(kTextMainDemand), this);
    auto* grid = new QGridLayout(group);
    currentDemand_ = MakeCombo(group, kIdCurrentDemand, "current_demand");
    currentInterval_ = MakeEdit(group, kIdCurrentDemandInterval, "current_demand_interval");
    powerDemand_ = MakeCombo(group, kIdPowerDemand, "power_demand");
    powerInterval_ = MakeEdit(group, kIdPowerDemandInterval, "power_demand_interval");
    grid->addWidget(new QLabel(Text(kTextMainCurrent), group), 0, 0);
    grid->addWidget(currentDemand_, 0, 1);
    grid->addWidget(currentInterval_, 0, 2);
    grid->addWidget(new QLabel(Text(kTextMainMinutes), group), 0, 3);
    grid->addWidget(new QLabel(Text(kTextMainPower), group), 1, 0);
    grid->addWidget(powerDemand_, 1, 1);
    grid->addWidget(powerInterval_, 1, 2);
    grid->addWidget(new QLabel(Text(kTextMainMinutes), group), 1, 3);
    grid->setColumnStretch(4, 1);
    for (QComboBox* combo : {currentDemand_, powerDemand_}) {
        connect(combo, &QComboBox::currentIndexChanged, this, [this] {
            if (!filling_) UpdateDemandEdits();
        });
    }
    return group;
}

QWidget* CBasicParameterDialog::BuildSettingButtons() {
    struct Entry {
        int id;
        const char* name;
        int textId;
    };
    const Entry entries[] = {
        {kIdAlarm, "alarm", kTextMainAlarm},
        {kIdTariff, "tariff", kTextMainTariff},
        {kIdOthers, "others", kTextMainOthers},
        {kIdDisplay, "display", kTextMainDisplay},
        {kIdExtBar, "ext_bar", kTextMainExtBar},
        {kIdSigmaDisp, "sigma_disp", kTextMainSigmaDisp},
        {kIdExpression, "expression", kTextMainExpression},
        {kIdShortCut, "short_cut", kTextMainShortCut},
        {kIdPasscode, "passcode", kTextMainPasscode},
        {kIdDi, "di", kTextMainDi},
        {kIdDoPo, "do_po", kTextMainDoPo},
        {kIdAo, "ao", kTextMainAo},
        {kIdModbus, "modbus", kTextMainModbus},
        {kIdCcLink, "cc_link", kTextMainCcLink},
    };
    auto* box = new QWidget(this);
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    for (const Entry& entry : entries) {
        QPushButton* button = MakeButton(entry.id, entry.name, entry.textId);
        settingButtons_[entry.id] = button;
        const int id = entry.id;
        connect(button, &QPushButton::clicked, this, [this, id] { RunSettingButton(id); });
        column->addWidget(button);
    }
    column->addStretch(1);
    return box;
}

void CBasicParameterDialog::FillModelCombos() {
    const CModelSelection& selection = model_.Selection();
    FillCombo(prefix_, selection.Prefixes(), selection.PrefixIndex());
    FillCombo(description_, selection.Descriptions(), selection.DescriptionIndex());
    FillCombo(version_, selection.VersionNotes(), selection.VersionIndex());
    version_->setEnabled(selection.VersionEnabled());
}

void CBasicParameterDialog::Refresh() {
    const MainWindowView view = model_.Refresh();
    ShowView(view);
}

void CBasicParameterDialog::ShowView(const MainWindowView& view) {
    filling_ = true;
    FillModelCombos();
    FillCombo(system_, view.systems, view.systemIndex);
    system_->setEnabled(view.systemEnabled);
    for (QLineEdit* edit : {vtPrimary_, vtSecondary_, ctPrimary_, ctSecondary_}) {
        edit->setEnabled(view.vtCtEnabled);
    }
    for (QWidget* group : ratingGroups_)
        group->setEnabled(view.vtCtEnabled);
    vtPrimary_->setText(ToQString(view.vtPrimary));
    vtSecondary_->setText(ToQString(view.vtSecondary));
    ctPrimary_->setText(ToQString(view.ctPrimary));
    ctSecondary_->setText(ToQString(view.ctSecondary));
    for (QWidget* control : barControls_)
        control->setEnabled(view.barEnabled);
    barVoltage_->setText(ToQString(view.barVoltage));
    barCurrent_->setText(ToQString(view.barCurrent));
    FillCombo(currentDemand_, view.currentDemand.choices, view.currentDemand.selected);
    currentInterval_->setText(ToQString(view.currentDemand.intervalText));
    FillCombo(powerDemand_, view.powerDemand.choices, view.powerDemand.selected);
    powerInterval_->setText(ToQString(view.powerDemand.intervalText));
    dip_->setVisible(view.dipVisible);
    dip_->setChecked(view.dipChecked);
    for (QWidget* group : ratingGroups_)
        group->setVisible(!view.multiCircuit);
    inputPage_->setVisible(view.multiCircuit);
    inputPage_->setEnabled(view.inputPageEnabled);
    if (view.multiCircuit) inputPage_->Load(model_.Image());
    filling_ = false;
    UpdateDemandEdits();
    EnableButtons();
    if (view.multiCircuit != multiCircuitShown_) {
        multiCircuitShown_ = view.multiCircuit;
        // The input page is much taller than the VT/CT groups: back from it, the window
        // gives the space back instead of keeping a blank bottom.
        // The hidden groups' layouts recompute on their pending layout requests first.
        QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        layout()->activate();
        resize(std::max(width(), minimumSizeHint().width()), sizeHint().height());
    }
    UpdateTitle();
}

void CBasicParameterDialog::UpdateDemandEdits() {
    currentInterval_->setEnabled(
        DemandIntervalFromEdit(currentDemand_->count(), currentDemand_->currentIndex()));
    powerInterval_->setEnabled(
        DemandIntervalFromEdit(powerDemand_->count(), powerDemand_->currentIndex()));
    UpdateDisabledTips();
}

void CBasicParameterDialog::UpdateDisabledTips() {
    // A disabled control says why it is disabled; an enabled one has no tip.
    auto tip = [](QWidget* control, int textId) {
        control->setToolTip(control->isEnabled() ? QString() : Text(textId));
    };
    tip(currentInterval_, kTextTipIntervalByInput);
    tip(powerInterval_, kTextTipIntervalByInput);
    tip(system_, kTextTipSystemByDip);  // only the DIP switch rule disables it
    for (auto& [id, button] : settingButtons_) {
        const bool applies = button->property("applies").toBool();
        button->setToolTip(button->isEnabled() ? QString()
                                               : Text(applies ? kTextMainSettingNotAvailable
                                                              : kTextTipNotForModel));
    }
}

void CBasicParameterDialog::EnableButtons() {
    const CDeviceType& type = model_.Image().deviceType;
    for (auto& [id, button] : settingButtons_) {
        // "applies": the type has the feature, whether or not the dialog is built yet.
        const bool applies = SettingButtonEnabled(id, type);
        button->setProperty("applies", applies);
        button->setEnabled(applies && HasDialog(id));
        if (QAction* action = settingActions_[id]) action->setEnabled(button->isEnabled());
    }
    UpdateDisabledTips();
}

MainWindowInput CBasicParameterDialog::CollectInput() const {
    MainWindowInput in;
    in.systemIndex = system_->currentIndex();
    in.vtPrimary = ToStdString(vtPrimary_->text());
    in.vtSecondary = ToStdString(vtSecondary_->text());
    in.ctPrimary = ToStdString(ctPrimary_->text());
    in.ctSecondary = ToStdString(ctSecondary_->text());
    in.barVoltage = ToStdString(barVoltage_->text());
    in.barCurrent = ToStdString(barCurrent_->text());
    in.currentDemandCount = currentDemand_->count();
    in.currentDemandIndex = currentDemand_->currentIndex();
    in.currentDemandInterval = ToStdString(currentInterval_->text());
    in.powerDemandCount = powerDemand_->count();
    in.powerDemandIndex = powerDemand_->currentIndex();
    in.powerDemandInterval = ToStdString(powerInterval_->text());
    in.storeInputPage = [page = inputPage_](ParameterImage& image) { page->Save(image); };
    return in;
}

bool CBasicParameterDialog::ReadControls(bool takeModel) {
    try {
        model_.ReadControls(CollectInput(), takeModel);
        return true;
    } catch (const CPrivateException& error) {
        ReportFailure(this, error);
        return false;
    }
}

void CBasicParameterDialog::ModelPicked(CMainWindowModel::Level level, int index) {
    try {
        if (model_.SelectModel(level, index, CollectInput())) Refresh();
    } catch (const CPrivateException& error) {
        FillModelCombos();  // back to the image's model
        ReportFailure(this, error);
    }
}

void CBasicParameterDialog::RunSettingButton(int id) {
    try {
        if (id == kIdPasscode) {
            RunDialogOn<CPasscodeDialog>(model_.Image(), this);
        } else {
            RunSettingDialogForButton(id, this, model_.Image());
        }
    } catch (const CPrivateException& error) {
        ReportFailure(this, error);
    }
    UpdateTitle();
}

bool CBasicParameterDialog::HasDialog(int id) {
    return id == kIdPasscode || HasSettingDialog(id);
}

void CBasicParameterDialog::done(int result) {
    CopyParameterImage(carryOver_, model_.Image());
    QDialog::done(result);
}

}  // namespace voltaro
