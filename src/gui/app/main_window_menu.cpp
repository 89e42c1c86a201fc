// The main window's menu bar. Every entry runs the member function its button runs, so a
// command has one place; the setting entries follow their buttons' enabled state.
#include <QAction>
#include <QDesktopServices>
#include <QFileInfo>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

#include "core/app/main_window_ids.h"
#include "core/app/main_window_model.h"
#include "core/app/user_guide.h"
#include "core/platform/link_text_ids.h"
#include "core/platform/message_format.h"
#include "core/platform/paths.h"
#include "core/platform/profile.h"
#include "core/platform/ui_text_ids.h"
#include "gui/app/main_window.h"
#include "gui/app/message_box.h"
#include "gui/app/qt_text.h"
#include "gui/comm/communication_window.h"

namespace voltaro {

namespace {

// Text ids of the setting buttons, for their menu entries.
int SettingTextId(int id) {
    switch (id) {
        case kIdAlarm:
            return kTextMainAlarm;
        case kIdTariff:
            return kTextMainTariff;
        case kIdOthers:
            return kTextMainOthers;
        case kIdDisplay:
            return kTextMainDisplay;
        case kIdExtBar:
            return kTextMainExtBar;
        case kIdSigmaDisp:
            return kTextMainSigmaDisp;
        case kIdExpression:
            return kTextMainExpression;
        case kIdShortCut:
            return kTextMainShortCut;
        case kIdPasscode:
            return kTextMainPasscode;
        case kIdDi:
            return kTextMainDi;
        case kIdDoPo:
            return kTextMainDoPo;
        case kIdAo:
            return kTextMainAo;
        case kIdModbus:
            return kTextMainModbus;
        default:
            return kTextMainCcLink;
    }
}

#ifndef VOLTARO_SOURCE_DIR
#define VOLTARO_SOURCE_DIR ""
#endif

}  // namespace

QAction* CBasicParameterDialog::AddAction(QMenu* menu, const char* name, int textId,
                                          void (CBasicParameterDialog::*run)()) {
    QAction* action = menu->addAction(Text(textId));
    action->setObjectName(QStringLiteral("action_") + QLatin1String(name));
    connect(action, &QAction::triggered, this, run);
    return action;
}

QMenuBar* CBasicParameterDialog::BuildMenuBar() {
    auto* bar = new QMenuBar(this);
    bar->setObjectName(QStringLiteral("menu_bar"));

    QMenu* file = bar->addMenu(Text(kTextMenuFile));
    AddAction(file, "open", kTextMenuOpen, &CBasicParameterDialog::OpenFile)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    recentMenu_ = file->addMenu(Text(kTextMenuRecent));
    recentMenu_->setObjectName(QStringLiteral("menu_recent"));
    connect(recentMenu_, &QMenu::aboutToShow, this, &CBasicParameterDialog::FillRecentMenu);
    FillRecentMenu();
    AddAction(file, "save", kTextMenuSave, &CBasicParameterDialog::SaveFile)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    AddAction(file, "save_as", kTextMenuSaveAs, &CBasicParameterDialog::SaveFileAs)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    file->addSeparator();
    QAction* quit = file->addAction(Text(kTextMenuQuit));
    quit->setObjectName(QStringLiteral("action_quit"));
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(quit, &QAction::triggered, this, &QWidget::close);

    QMenu* device = bar->addMenu(Text(kTextMenuDevice));
    AddAction(device, "connect", kTextMenuConnect, &CBasicParameterDialog::ConnectDevice);
    device->addSeparator();
    AddAction(device, "upload", kTextMenuUpload, &CBasicParameterDialog::Upload);
    AddAction(device, "download", kTextMenuDownload, &CBasicParameterDialog::Download);
    AddAction(device, "protect", kTextMenuProtect, &CBasicParameterDialog::Protect);
    AddAction(device, "report", kTextMenuReport, &CBasicParameterDialog::Report);
    AddAction(device, "monitor", kTextMenuMonitor, &CBasicParameterDialog::Monitor);
    QAction* communication = device->addAction(Text(kTextCommWindowTitle));
    communication->setObjectName(QStringLiteral("action_communication"));
    connect(communication, &QAction::triggered, this, [this] { CCommunicationWindow::Open(this); });

    QMenu* settings = bar->addMenu(Text(kTextMenuSettings));
    for (int id : SettingButtonIds()) {
        QAction* action = settings->addAction(Text(SettingTextId(id)));
        action->setObjectName(QStringLiteral("action_setting_%1").arg(id));
        connect(action, &QAction::triggered, this, [this, id] { RunSettingButton(id); });
        settingActions_[id] = action;
    }
    settings->addSeparator();
    AddAction(settings, "language", kTextMenuLanguage, &CBasicParameterDialog::SwitchLanguage);

    QMenu* help = bar->addMenu(Text(kTextMenuHelp));
    AddAction(help, "user_guide", kTextMenuUserGuide, &CBasicParameterDialog::ShowUserGuide)
        ->setShortcut(QKeySequence(Qt::Key_F1));
    AddAction(help, "about", kTextMenuAbout, &CBasicParameterDialog::ShowAbout);
    return bar;
}

void CBasicParameterDialog::FillRecentMenu() {
    recentMenu_->clear();
    const std::vector<std::string>& paths = settings_.recentFiles.Paths();
    if (paths.empty()) {
        recentMenu_->addAction(Text(kTextMenuRecentEmpty))->setEnabled(false);
        return;
    }
    int number = 1;
    for (const std::string& path : paths) {
        const QString file = ToQString(path);
        // "&1 name" gives the first nine entries a number key; the tip shows the folder.
        QString label = QFileInfo(file).fileName().replace(u'&', QStringLiteral("&&"));
        if (number <= 9) label = QStringLiteral("&%1 %2").arg(number).arg(label);
        QAction* action = recentMenu_->addAction(label);
        action->setObjectName(QStringLiteral("action_recent_%1").arg(number++));
        action->setToolTip(file);
        action->setStatusTip(file);
        connect(action, &QAction::triggered, this, [this, file] {
            if (ConfirmDiscardChanges()) OpenPath(file);
        });
    }
    recentMenu_->addSeparator();
    QAction* clear = recentMenu_->addAction(Text(kTextMenuClearRecent));
    clear->setObjectName(QStringLiteral("action_clear_recent"));
    connect(clear, &QAction::triggered, this, [this] {
        for (const std::string& path : std::vector<std::string>(settings_.recentFiles.Paths()))
            settings_.recentFiles.Remove(path);
    });
}

void CBasicParameterDialog::ShowUserGuide() {
    const std::vector<std::string> candidates =
        UserGuideCandidates(ProgramDirectory(), VOLTARO_SOURCE_DIR);
    const std::string guide = FindUserGuide(candidates);
    if (guide.empty() || !QDesktopServices::openUrl(QUrl::fromLocalFile(ToQString(guide)))) {
        std::string list;
        for (const std::string& candidate : candidates)
            list += candidate + "\n";
        ShowError(this, FormatMessageId(kTextUserGuideMissing, {list}));
    }
}

void CBasicParameterDialog::ShowAbout() {
    QMessageBox::about(
        this, ProductTitle(),
        ToQString(FormatMessageId(
            kTextAboutText, {std::string(VOLTARO_PRODUCT_NAME),
                             std::string(VOLTARO_PRODUCT_VERSION), CUserProfile::DefaultPath()})));
}

}  // namespace voltaro
