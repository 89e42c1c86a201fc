#pragma once
// The main window: model selection, the basic input and demand settings, one button per
// setting dialog and the device commands. Its decisions live in CMainWindowModel; this
// class moves texts and flags between the model and the widgets and runs the commands.
//
// Every control is named "id<control id>" (for example "id1032" for Upload; see
// core/app/main_window_ids.h) with a readable name in the property "controlName".
// The VT/CT edits sit in the groups "vt_rating" and "ct_rating"; multi-circuit types show
// the CT/VT input page "input_page" in their place, whose VT edits carry the same ids.
// The menu bar "menu_bar" holds the actions "action_<name>" (open, save, save_as, quit,
// connect, upload, ...), the status line is "status_line".
//
// Escape does not close the window; closing it, Upload and Open File ask first (Save /
// Discard / Cancel) while the image has changes neither saved nor downloaded.
#include <QDialog>
#include <map>

#include "core/app/app_settings.h"
#include "core/app/document_state.h"
#include "core/app/main_window_model.h"

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;
class QWidget;

namespace voltaro {

class CInput2Page;
class CModbusInterface;

// The product name and version, the title of the main window without a file or device.
QString ProductTitle();

class CBasicParameterDialog : public QDialog {
    Q_OBJECT
  public:
    // Result asking the start-up loop to show the window again (language switch).
    static constexpr int kShowAgain = 1;

    // Starts from carryOver and writes its image back into it when it ends; session keeps
    // the document state and the device across windows (the language switch).
    CBasicParameterDialog(ParameterImage& carryOver, AppSettings& settings,
                          MainWindowSession& session, QWidget* parent = nullptr);
    // With a session of its own.
    CBasicParameterDialog(ParameterImage& carryOver, AppSettings& settings,
                          QWidget* parent = nullptr);

    void Refresh();
    // Reads the controls into the image; shows a failure (focus on the offending edit)
    // and returns false.
    bool ReadControls(bool takeModel);

    const ParameterImage& Image() const { return model_.Image(); }
    CMainWindowModel& Model() { return model_; }

    // Whether the controls hold changes neither saved nor downloaded (a value that does
    // not read back counts as a change).
    bool IsModified() const;
    // The status line's text.
    QString StatusText() const;

    // Device and file commands (buttons and menu; public so that start-up options can run
    // them).
    void ConnectDevice();
    void Upload();
    void Download();
    void Protect();
    void Report();
    // Saves to the document's file when it has one, else as SaveFileAs.
    void SaveFile();
    void SaveFileAs();
    void OpenFile();
    // Opens path (a recent file); false when it did not load.
    bool OpenPath(const QString& path);
    // Connects, identifies the device and shows its monitor window (the main window is
    // hidden meanwhile).
    void Monitor();
    void SwitchLanguage();
    void RunSettingButton(int id);

    void done(int result) override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildWidgets();
    QMenuBar* BuildMenuBar();
    QAction* AddAction(QMenu* menu, const char* name, int textId,
                       void (CBasicParameterDialog::*run)());
    void FillRecentMenu();
    void ShowUserGuide();
    void ShowAbout();
    // Asks whether to save changes before they would be lost; true to go on.
    bool ConfirmDiscardChanges();
    // Saves the image to path; true when written.
    bool SaveTo(const QString& path);
    // The image as the controls give it back is the clean one of event.
    void MarkClean(DocumentEvent event, const std::string& path = {});
    void SetStatus(const QString& text);
    void UpdateTitle();
    void WatchForEdits();
    void UpdateDisabledTips();
    QWidget* BuildModelGroup();
    QWidget* BuildRatingGroup();
    QWidget* BuildDemandGroup();
    QWidget* BuildSettingButtons();
    QWidget* BuildCommandButtons();
    QPushButton* MakeButton(int id, const char* name, int textId);

    MainWindowInput CollectInput() const;
    // The same for checks the user did not ask for: a refused value moves no focus.
    MainWindowInput QuietInput() const;
    void ShowView(const MainWindowView& view);
    void FillModelCombos();
    void ModelPicked(CMainWindowModel::Level level, int index);
    void UpdateDemandEdits();
    void EnableButtons();
    // Whether a setting dialog is wired to button id.
    static bool HasDialog(int id);

    CMainWindowModel model_;
    ParameterImage& carryOver_;
    AppSettings& settings_;
    MainWindowSession ownSession_;
    MainWindowSession& session_;
    bool filling_ = false;  // controls are being filled: ignore their change signals
    bool multiCircuitShown_ = false;

    QLabel* status_ = nullptr;
    QMenu* recentMenu_ = nullptr;
    std::map<int, QAction*> settingActions_;
    QComboBox* prefix_ = nullptr;
    QComboBox* description_ = nullptr;
    QComboBox* version_ = nullptr;
    QComboBox* system_ = nullptr;
    QLineEdit* vtPrimary_ = nullptr;
    QLineEdit* vtSecondary_ = nullptr;
    QLineEdit* ctPrimary_ = nullptr;
    QLineEdit* ctSecondary_ = nullptr;
    QLineEdit* barVoltage_ = nullptr;
    QLineEdit* barCurrent_ = nullptr;
    std::vector<QWidget*> barControls_;
    std::vector<QWidget*> ratingGroups_;  // "VT rating" and "CT rating" with their labels
    QComboBox* currentDemand_ = nullptr;
    QLineEdit* currentInterval_ = nullptr;
    QComboBox* powerDemand_ = nullptr;
    QLineEdit* powerInterval_ = nullptr;
    QCheckBox* dip_ = nullptr;
    CInput2Page* inputPage_ = nullptr;  // multi-circuit types: CT/VT per measuring input
    std::map<int, QPushButton*> settingButtons_;
};

}  // namespace voltaro
