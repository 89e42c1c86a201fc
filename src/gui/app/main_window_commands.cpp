// The device and file commands of the main window.
#include <QElapsedTimer>
#include <QFileInfo>
#include <optional>

#include "core/app/main_window_status.h"
#include "core/app/monitor_launch.h"
#include "core/comm/modbus_interface.h"
#include "core/device/device_identification.h"
#include "core/device/device_link.h"
#include "core/device/passcode_protection.h"
#include "core/files/config_file.h"
#include "core/files/safe_download.h"
#include "core/platform/list_text_ids.h"
#include "core/platform/message_format.h"
#include "core/platform/message_ids.h"
#include "core/platform/private_exception.h"
#include "core/platform/resource_module.h"
#include "core/platform/string_table.h"
#include "core/platform/ui_text_ids.h"
#include "gui/app/control_names.h"
#include "gui/app/main_window.h"
#include "gui/app/message_box.h"
#include "gui/app/qt_text.h"
#include "gui/dialogs/comm_dialog.h"
#include "gui/dialogs/compare_dialog.h"
#include "gui/dialogs/passcode_prompts.h"
#include "gui/dialogs/progress_dialog.h"
#include "gui/dialogs/safe_download_flow.h"
#include "gui/monitor/my_voltaro_dlg.h"
#include "gui/monitor/pm_dialog.h"

namespace voltaro {

namespace {

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

FileDialogOptions ConfigFileOptions(int titleId, const std::string& start) {
    FileDialogOptions options;
    options.title = Text(titleId);
    options.filter = LoadString(kTextConfigFileFilter);
    options.defaultSuffix = QStringLiteral("cfg");
    options.initialPath = ToQString(start);
    return options;
}

// The serial number of the connected device; empty when the device does not tell it.
std::string ReadSerialQuietly(CModbusInterface& client) {
    try {
        CDeviceLink link(client);
        return ReadSerialNumber(client);
    } catch (const std::exception&) {
        return {};
    }
}

double Seconds(const QElapsedTimer& clock) {
    return static_cast<double>(clock.elapsed()) / 1000.0;
}

// The status line text of a failed command: the command's name without its mnemonic.
QString FailedStatus(int commandTextId) {
    return ToQString(FormatMessageId(kTextStatusFailed, {LoadString(commandTextId)}));
}

}  // namespace

void CBasicParameterDialog::ConnectDevice() {
    try {
        CModbusInterface client;
        if (!Connect(this, client)) return;
        {
            WaitCursor wait;
            CDeviceLink link(client);
            session_.device = ReadFromDevice(client);
        }
        session_.serial = ReadSerialQuietly(client);
        SetStatus(ToQString(
            FormatMessageId(kTextStatusConnected, {DeviceText(session_.device, session_.serial)})));
        UpdateTitle();
    } catch (const CPrivateException& error) {
        SetStatus(FailedStatus(kTextConnectCaption));
        ReportFailure(this, error);
    }
}

void CBasicParameterDialog::Upload() {
    if (!ConfirmDiscardChanges()) return;
    try {
        CModbusInterface client;
        if (!Connect(this, client)) return;
        ParameterImage image;
        QElapsedTimer clock;
        clock.start();
        if (RunUploadWithProgress(this, client, image)) {
            const double seconds = Seconds(clock);
            session_.device = image.deviceType;
            session_.serial = ReadSerialQuietly(client);
            model_.SetImage(image);
            Refresh();
            MarkClean(DocumentEvent::Uploaded);
            SetStatus(ToQString(
                UploadedStatus(image, DeviceText(session_.device, session_.serial), seconds)));
        } else {
            SetStatus(Text(kTextStatusUploadCancelled));
        }
    } catch (const CPrivateException& error) {
        SetStatus(FailedStatus(kTextMainUpload));
        ReportFailure(this, error);
    }
}

void CBasicParameterDialog::Download() {
    try {
        CModbusInterface client;
        if (!Connect(this, client)) return;
        if (!ReadControls(true)) return;
        QElapsedTimer clock;
        clock.start();
        const SafeDownloadOutcome outcome =
            DownloadSafely(this, client, model_.Image(), session_.document.FilePath());
        switch (outcome.result) {
            case SafeDownloadResult::Completed:
                if (!DownloadConfirmed(outcome)) {
                    SetStatus(FailedStatus(kTextMainDownload));
                    break;  // the device may not hold the changes: they stay unsaved
                }
                MarkClean(DocumentEvent::Downloaded);
                SetStatus(ToQString(DownloadedStatus(model_.Image(), Seconds(clock)) + "  " +
                                    SafeDownloadStatusSuffix(outcome)));
                break;
            case SafeDownloadResult::Cancelled:
                SetStatus(Text(kTextStatusDownloadCancelled));
                break;
            case SafeDownloadResult::Failed:
                SetStatus(FailedStatus(kTextMainDownload));
                break;
            case SafeDownloadResult::NotUnlocked:
                break;
        }
    } catch (const CPrivateException& error) {
        SetStatus(FailedStatus(kTextMainDownload));
        ReportFailure(this, error);
    }
}

void CBasicParameterDialog::Protect() {
    try {
        CModbusInterface client;
        if (!Connect(this, client)) return;
        CProtectPrompts prompts(this);
        CProtectionChangeRecorder recorder(prompts);
        CPasscodeProtection protection(recorder);
        const WaitCursor wait;  // the prompts show the normal cursor over it
        if (protection.ChangeProtection(client) && recorder.Change())
            SetStatus(ToQString(ProtectionStatus(*recorder.Change())));
    } catch (const CPrivateException& error) {
        SetStatus(FailedStatus(kTextMainProtect));
        ReportFailure(this, error);
    }
}

void CBasicParameterDialog::Report() {
    if (!ReadControls(true)) return;
    CCompareDialog dialog(model_.Image(), settings_, this);
    dialog.exec();
}

void CBasicParameterDialog::SaveFile() {
    const std::string& current = session_.document.FilePath();
    if (current.empty()) {
        SaveFileAs();
    } else {
        SaveTo(ToQString(current));
    }
}

void CBasicParameterDialog::SaveFileAs() {
    const QString path = GetSaveFileName(
        this, ConfigFileOptions(kTextMainSaveFile,
                                settings_.recentFiles.DialogStart(session_.document.FilePath())));
    if (!path.isEmpty()) SaveTo(path);
}

bool CBasicParameterDialog::SaveTo(const QString& path) {
    if (!ReadControls(true)) return false;
    try {
        const std::string file = ToStdString(path);
        SaveConfigFile(file, model_.Image());
        settings_.recentFiles.Add(file);
        MarkClean(DocumentEvent::Saved, file);
        SetStatus(ToQString(FormatMessageId(kTextStatusSaved, {FileNameOf(file)})));
        return true;
    } catch (const CPrivateException& error) {
        SetStatus(FailedStatus(kTextMainSaveFile));
        ReportFailure(this, error);
        return false;
    }
}

void CBasicParameterDialog::OpenFile() {
    if (!ConfirmDiscardChanges()) return;
    const QString path = GetOpenFileName(
        this, ConfigFileOptions(kTextMainOpenFile,
                                settings_.recentFiles.DialogStart(session_.document.FilePath())));
    if (!path.isEmpty()) OpenPath(path);
}

bool CBasicParameterDialog::OpenPath(const QString& path) {
    const std::string file = ToStdString(path);
    try {
        ParameterImage image;
        if (LoadConfigFile(file, image)) {
            model_.SetImage(image);
            Refresh();
            settings_.recentFiles.Add(file);
            MarkClean(DocumentEvent::Opened, file);
            SetStatus(ToQString(FormatMessageId(kTextStatusOpened, {FileNameOf(file)})));
            return true;
        }
    } catch (const CPrivateException& error) {
        // A recent file that is gone leaves the list; one that is damaged stays (the user
        // may repair it).
        if (!QFileInfo::exists(path)) settings_.recentFiles.Remove(file);
        SetStatus(FailedStatus(kTextMainOpenFile));
        ReportFailure(this, error);
    }
    return false;
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
