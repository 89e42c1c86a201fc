// The device and file commands of the main window.
#include <QFileInfo>
#include <optional>

#include "core/app/monitor_launch.h"
#include "core/comm/modbus_interface.h"
#include "core/device/passcode_protection.h"
#include "core/files/config_file.h"
#include "core/platform/list_text_ids.h"
#include "core/platform/message_ids.h"
#include "core/platform/private_exception.h"
#include "core/platform/resource_module.h"
#include "core/platform/string_table.h"
#include "core/platform/ui_text_ids.h"
#include "core/transfer/protected_download.h"
#include "gui/app/control_names.h"
#include "gui/app/main_window.h"
#include "gui/app/message_box.h"
#include "gui/app/qt_text.h"
#include "gui/dialogs/comm_dialog.h"
#include "gui/dialogs/compare_dialog.h"
#include "gui/dialogs/passcode_prompts.h"
#include "gui/dialogs/progress_dialog.h"
#include "gui/monitor/my_voltaro_dlg.h"
#include "gui/monitor/pm_dialog.h"

namespace voltaro {

namespace {

// The main window's part of the protected download: the progress dialog, and the wait
// cursor while the passcode protection is unlocked and locked again.
class CDownloadView : public IDownloadView {
  public:
    explicit CDownloadView(QWidget* parent) : parent_(parent) {}
    bool TransferWithProgress(CModbusInterface& client, const ParameterImage& image) override {
        return RunWithProgress(parent_, client, image);
    }
    void ShowBusy(bool busy) override {
        if (busy)
            wait_.emplace();
        else
            wait_.reset();
    }

  private:
    QWidget* parent_;
    std::optional<WaitCursor> wait_;
};

// The Protect command's answers: the device's protection state is shown before the
// protection dialog asks for the passcodes.
class CProtectPrompts : public CPasscodePrompts {
  public:
    explicit CProtectPrompts(QWidget* parent) : CPasscodePrompts(parent), parent_(parent) {}
    void TellProtectionState(bool on) override {
        ShowInformation(parent_, Text(on ? kMsgProtectionIsOn : kMsgProtectionIsOff));
    }

  private:
    QWidget* parent_;
};

// Runs one monitor window modally; its result tells whether the other one is wanted.
int RunMonitorWindow(MonitorWindow window, CModbusInterface& client, QWidget* parent) {
    if (window == MonitorWindow::Meter) {
        CMyVOLTARODlg monitor(client, parent);
        return monitor.exec();
    }
    CPMDialog monitor(client, parent);
    return monitor.exec();
}

FileDialogOptions ConfigFileOptions(int titleId) {
    FileDialogOptions options;
    options.title = Text(titleId);
    options.filter = LoadString(kTextConfigFileFilter);
    options.defaultSuffix = QStringLiteral("cfg");
    return options;
}

}  // namespace

void CBasicParameterDialog::Upload() {
    try {
        CModbusInterface client;
        if (!Connect(this, client)) return;
        ParameterImage image;
        if (RunUploadWithProgress(this, client, image)) {
            model_.SetImage(image);
            Refresh();
        }
    } catch (const CPrivateException& error) {
        ReportFailure(this, error);
    }
}

void CBasicParameterDialog::Download() {
    try {
        CModbusInterface client;
        if (!Connect(this, client)) return;
        if (!ReadControls(true)) return;
        CPasscodePrompts prompts(this);
        CDownloadView view(this);
        RunProtectedDownload(client, model_.Image(), prompts, view);
    } catch (const CPrivateException& error) {
        ReportFailure(this, error);
    }
}

void CBasicParameterDialog::Protect() {
    try {
        CModbusInterface client;
        if (!Connect(this, client)) return;
        CProtectPrompts prompts(this);
        CPasscodeProtection protection(prompts);
        const WaitCursor wait;  // the prompts show the normal cursor over it
        protection.ChangeProtection(client);
    } catch (const CPrivateException& error) {
        ReportFailure(this, error);
    }
}

void CBasicParameterDialog::Report() {
    if (!ReadControls(true)) return;
    CCompareDialog dialog(model_.Image(), settings_, this);
    dialog.exec();
}

void CBasicParameterDialog::SaveFile() {
    const QString path = GetSaveFileName(this, ConfigFileOptions(kTextMainSaveFile));
    if (path.isEmpty()) return;
    if (!ReadControls(true)) return;
    try {
        SaveConfigFile(ToStdString(path), model_.Image());
    } catch (const CPrivateException& error) {
        ReportFailure(this, error);
    }
}

void CBasicParameterDialog::OpenFile() {
    const QString path = GetOpenFileName(this, ConfigFileOptions(kTextMainOpenFile));
    if (path.isEmpty()) return;
    try {
        ParameterImage image;
        if (LoadConfigFile(ToStdString(path), image)) {
            model_.SetImage(image);
            Refresh();
        }
    } catch (const CPrivateException& error) {
        ReportFailure(this, error);
    }
}

void CBasicParameterDialog::Monitor() {
    try {
        CModbusInterface client;
        if (!Connect(this, client)) return;
        CDeviceType type;
        {
            WaitCursor wait;
            type = IdentifyForMonitor(client);
        }
        // QDialog's own hiding would end the modal loop this window runs in.
        QWidget::setVisible(false);
        MonitorWindow window = FirstMonitorWindow(type);
        while (RunMonitorWindow(window, client, this) == kMonitorAlternate)
            window = OtherMonitorWindow(window);
        show();
    } catch (const CPrivateException& error) {
        show();
        ReportFailure(this, error);
    }
}

void CBasicParameterDialog::SwitchLanguage() {
    if (!ReadControls(false)) return;
    const int next = NextLanguage(CurrentLanguage());
    if (!LoadLanguage(next)) ShowError(this, Text(kMsgCantLoadLanguageModule));
    settings_.displayLanguage = next;
    done(kShowAgain);
}

}  // namespace voltaro
