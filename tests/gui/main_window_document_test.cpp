// The main window as a document: Escape keeps it open, closing, Upload and Open File ask
// before changes are lost, Save / Save As / recent files / last folder, the title and the
// status line, the menu bar, tool tips of disabled controls, and the window's height after a
// multi-circuit model.
#include <gtest/gtest.h>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <filesystem>
#include <fstream>

#include "core/app/main_window_ids.h"
#include "core/files/config_file.h"
#include "core/model/parameter_words.h"
#include "core/platform/message_format.h"
#include "core/platform/string_table.h"
#include "core/platform/ui_text_ids.h"
#include "gui/app/main_window.h"
#include "gui/dialogs/comm_dialog.h"
#include "gui/dialogs/compare_dialog.h"
#include "gui_driver.h"

namespace voltaro {
namespace {

using test::ChooseFile;
using test::MessageBoxRecorder;
using test::OnModal;
using test::PickComboEntry;

constexpr int kRowKt2 = 4;

// Chooses path in the next file dialog like ChooseFile, also when the dialog starts on a
// file: its selection in the list (which a typed name does not clear without focus) would
// win over the typed name. proposed receives the file the dialog started on.
std::shared_ptr<bool> ChooseOver(const std::string& path, QString* proposed = nullptr) {
    return OnModal<QFileDialog>([path, proposed](QFileDialog* dialog) {
        if (proposed != nullptr) *proposed = dialog->selectedFiles().value(0);
        dialog->selectFile(QString::fromStdString(path));
        dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))
            ->setText(QString::fromStdString(path));
        static_cast<QDialog*>(dialog)->done(QDialog::Accepted);
    });
}

// Answers the next "unsaved changes" question with button.
std::shared_ptr<bool> AnswerUnsaved(QMessageBox::StandardButton button) {
    return OnModal<QMessageBox>(
        [button](QMessageBox* box) {
            EXPECT_EQ(box->objectName(), QStringLiteral("unsaved_changes"));
            EXPECT_EQ(box->text(), Text(kTextAskSaveChanges));
            box->button(button)->click();
        },
        3000);
}

class MainWindowDocument : public ::testing::Test {
  protected:
    MainWindowDocument() : carry_(DefaultImageOfRow(kRowKt2)), window_(carry_, settings_) {}

    QLineEdit* CtPrimary() { return FindControlAs<QLineEdit>(&window_, kIdCtPrimary); }
    QAction* Action(const char* name) { return test::Child<QAction>(&window_, name); }
    QString Status() { return test::Child<QLabel>(&window_, "status_line")->text(); }
    std::string Saved(const std::string& name) {
        const std::string path = profile_.File(name);
        ChooseOver(path);
        window_.SaveFileAs();
        EXPECT_TRUE(std::filesystem::exists(path));
        return path;
    }

    test::ScratchProfile profile_;
    AppSettings settings_;
    ParameterImage carry_;
    CBasicParameterDialog window_;
};

TEST_F(MainWindowDocument, EscapeKeepsTheWindowAndClosingAsksOnlyOverChanges) {
    test::ShowActive(window_);
    QTest::keyClick(&window_, Qt::Key_Escape);
    CtPrimary()->setFocus();
    QTest::keyClick(CtPrimary(), Qt::Key_Escape);
    EXPECT_TRUE(window_.isVisible());

    CtPrimary()->setText(QStringLiteral("321"));
    EXPECT_TRUE(window_.IsModified());
    auto asked = AnswerUnsaved(QMessageBox::Cancel);
    EXPECT_FALSE(window_.close());
    EXPECT_TRUE(*asked);
    EXPECT_TRUE(window_.isVisible());

    // Save: the file dialog follows; cancelling it keeps the window open too.
    asked = AnswerUnsaved(QMessageBox::Save);
    OnModal<QFileDialog>([](QFileDialog* dialog) { dialog->reject(); });
    EXPECT_FALSE(window_.close());
    EXPECT_TRUE(*asked);

    asked = AnswerUnsaved(QMessageBox::Save);
    const std::string path = profile_.File("closing.cfg");
    ChooseFile(QString::fromStdString(path));
    EXPECT_TRUE(window_.close());
    EXPECT_TRUE(*asked);
    ParameterImage saved;
    ASSERT_TRUE(LoadConfigFile(path, saved));
    EXPECT_EQ(saved.words[kWordPrimaryCurrent], 321);
}

TEST_F(MainWindowDocument, DiscardClosesAndAnUnchangedWindowClosesWithoutAsking) {
    test::ShowActive(window_);
    CtPrimary()->setText(QStringLiteral("321"));
    CtPrimary()->setText(QString::number(carry_.words[kWordPrimaryCurrent]));
    EXPECT_FALSE(window_.IsModified()) << "an edit undone is no change";
    {
        MessageBoxRecorder boxes;
        EXPECT_TRUE(window_.close());
        EXPECT_TRUE(boxes.Texts().empty());
    }
    window_.show();
    CtPrimary()->setText(QStringLiteral("abc"));  // does not even read back: a change
    EXPECT_TRUE(window_.IsModified());
    auto asked = AnswerUnsaved(QMessageBox::Discard);
    EXPECT_TRUE(window_.close());
    EXPECT_TRUE(*asked);
}

TEST_F(MainWindowDocument, UploadAndOpenAskOverChanges) {
    CtPrimary()->setText(QStringLiteral("321"));
    auto asked = AnswerUnsaved(QMessageBox::Cancel);
    auto connect = OnModal<CCommDialog>([](CCommDialog* dialog) { dialog->reject(); }, 500);
    window_.Upload();
    EXPECT_TRUE(*asked);
    asked = AnswerUnsaved(QMessageBox::Cancel);
    auto chosen = OnModal<QFileDialog>([](QFileDialog* dialog) { dialog->reject(); }, 500);
    window_.OpenFile();
    EXPECT_TRUE(*asked);
    QTest::qWait(600);
    EXPECT_FALSE(*connect) << "Cancel stops Upload before the Connect dialog";
    EXPECT_FALSE(*chosen) << "Cancel stops Open File before the file dialog";
    EXPECT_EQ(CtPrimary()->text(), QStringLiteral("321"));
}

TEST_F(MainWindowDocument, SaveTitleStatusAndSaveAs) {
    EXPECT_EQ(window_.windowTitle(), ProductTitle());
    CtPrimary()->setText(QStringLiteral("321"));
    EXPECT_EQ(window_.windowTitle(), Text(kTextTitleUntitled) + "* - " + ProductTitle());

    const std::string first = Saved("first.cfg");
    EXPECT_FALSE(window_.IsModified());
    EXPECT_EQ(window_.windowTitle(), "first.cfg - " + ProductTitle());
    EXPECT_EQ(Status().toStdString(), FormatMessageId(kTextStatusSaved, {"first.cfg"}));
    ASSERT_FALSE(settings_.recentFiles.Paths().empty());
    EXPECT_EQ(settings_.recentFiles.Paths().front(), first);

    // Save again writes the same file without a dialog.
    CtPrimary()->setText(QStringLiteral("322"));
    EXPECT_EQ(window_.windowTitle(), "first.cfg* - " + ProductTitle());
    auto dialog = OnModal<QFileDialog>([](QFileDialog* d) { d->reject(); }, 300);
    Action("action_save")->trigger();
    QTest::qWait(400);
    EXPECT_FALSE(*dialog);
    ParameterImage back;
    ASSERT_TRUE(LoadConfigFile(first, back));
    EXPECT_EQ(back.words[kWordPrimaryCurrent], 322);

    // Save As proposes the document's file and makes the new one the document.
    QString proposed;
    const std::string second = profile_.File("second.cfg");
    ChooseOver(second, &proposed);
    Action("action_save_as")->trigger();
    EXPECT_EQ(proposed.toStdString(), first);
    EXPECT_TRUE(std::filesystem::exists(second));
    EXPECT_EQ(window_.windowTitle(), "second.cfg - " + ProductTitle());
    EXPECT_EQ(settings_.recentFiles.Paths().front(), second);
}

TEST_F(MainWindowDocument, OpenStartsAtTheLastFileAndRecentFilesOpenOrLeave) {
    CtPrimary()->setText(QStringLiteral("444"));
    const std::string kept = Saved("kept.cfg");
    CtPrimary()->setText(QStringLiteral("555"));
    const std::string gone = Saved("gone.cfg");

    // A window of the next run starts its dialogs at the last file's folder and name.
    CBasicParameterDialog next(carry_, settings_);
    QString proposed;
    OnModal<QFileDialog>([&proposed](QFileDialog* d) {
        proposed = d->selectedFiles().value(0);
        d->reject();
    });
    next.OpenFile();
    EXPECT_EQ(proposed.toStdString(), gone);

    auto* recent = test::Child<QMenu>(&next, "menu_recent");
    emit recent->aboutToShow();
    auto* second = test::Child<QAction>(&next, "action_recent_2");
    EXPECT_TRUE(second->text().endsWith(QStringLiteral("kept.cfg")));
    second->trigger();
    EXPECT_EQ(FindControlAs<QLineEdit>(&next, kIdCtPrimary)->text(), QStringLiteral("444"));
    EXPECT_EQ(settings_.recentFiles.Paths().front(), kept);

    std::filesystem::remove(gone);
    emit recent->aboutToShow();
    {
        MessageBoxRecorder boxes;
        test::Child<QAction>(&next, "action_recent_2")->trigger();
        EXPECT_EQ(boxes.Texts().size(), 1u);
    }
    EXPECT_EQ(settings_.recentFiles.Paths(), std::vector<std::string>{kept});
    EXPECT_EQ(FindControlAs<QLineEdit>(&next, kIdCtPrimary)->text(), QStringLiteral("444"));
}

TEST_F(MainWindowDocument, MenuBarShortcutsAndEntriesFollowTheButtons) {
    EXPECT_EQ(Action("action_open")->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
    EXPECT_EQ(Action("action_save")->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
    EXPECT_EQ(Action("action_save_as")->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+S")));
    EXPECT_EQ(Action("action_quit")->shortcut(), QKeySequence(QStringLiteral("Ctrl+Q")));
    EXPECT_EQ(Action("action_user_guide")->shortcut(), QKeySequence(QStringLiteral("F1")));
    for (const char* name :
         {"action_connect", "action_upload", "action_download", "action_protect", "action_report",
          "action_monitor", "action_language", "action_about"}) {
        EXPECT_NE(window_.findChild<QAction*>(QLatin1String(name)), nullptr) << name;
    }
    // Ctrl+S in the window runs Save.
    test::ShowActive(window_);
    auto chosen = ChooseFile(QString::fromStdString(profile_.File("keys.cfg")));
    QTest::keyClick(&window_, Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(*chosen);
    EXPECT_TRUE(std::filesystem::exists(profile_.File("keys.cfg")));

    // The setting entries are enabled as their buttons are; a disabled button says why.
    auto* ccLink = FindControlAs<QPushButton>(&window_, kIdCcLink);
    auto* ccLinkAction = Action("action_setting_1055");
    EXPECT_EQ(ccLinkAction->isEnabled(), ccLink->isEnabled());
    EXPECT_FALSE(ccLink->isEnabled());
    EXPECT_EQ(ccLink->toolTip(), Text(kTextTipNotForModel));
    EXPECT_TRUE(FindControlAs<QPushButton>(&window_, kIdAlarm)->toolTip().isEmpty());
    auto* demand = FindControlAs<QComboBox>(&window_, kIdCurrentDemand);
    auto* interval = FindControlAs<QLineEdit>(&window_, kIdCurrentDemandInterval);
    demand->setCurrentIndex(0);
    EXPECT_EQ(interval->toolTip(), Text(kTextTipIntervalByInput));
    demand->setCurrentIndex(1);
    EXPECT_TRUE(interval->toolTip().isEmpty());
    ASSERT_TRUE(
        PickComboEntry(FindControlAs<QComboBox>(&window_, kIdModelPrefix), QStringLiteral("ZC")));
    EXPECT_FALSE(Action("action_setting_1042")->isEnabled());  // Display
    EXPECT_TRUE(Action("action_setting_1030")->isEnabled());   // Others
    auto* dip = FindControlAs<QCheckBox>(&window_, kIdDipSwitch);
    auto* system = FindControlAs<QComboBox>(&window_, kIdSystem);
    dip->setChecked(true);
    EXPECT_EQ(system->toolTip(), Text(kTextTipSystemByDip));
    dip->setChecked(false);
    EXPECT_TRUE(system->toolTip().isEmpty());
}

TEST_F(MainWindowDocument, WindowShrinksBackAfterAMultiCircuitModel) {
    window_.show();
    QApplication::processEvents();
    const int meterHeight = window_.height();
    auto* prefix = FindControlAs<QComboBox>(&window_, kIdModelPrefix);
    ASSERT_TRUE(PickComboEntry(prefix, QStringLiteral("ZC")));
    QApplication::processEvents();
    EXPECT_GT(window_.height(), meterHeight);
    ASSERT_TRUE(PickComboEntry(prefix, QStringLiteral("KT2-")));
    QApplication::processEvents();
    EXPECT_LE(window_.height(), meterHeight + 4);
}

// A status text longer than the window is wide wraps, and the window shows all its lines.
TEST_F(MainWindowDocument, LongStatusTextsWrapWithoutCuttingLinesOff) {
    window_.show();
    std::string name;
    for (int i = 0; i < 12; ++i)
        name += "feeder bay " + std::to_string(i) + " ";
    Saved(name + ".cfg");
    QApplication::processEvents();
    auto* status = test::Child<QLabel>(&window_, "status_line");
    const int needed = status->heightForWidth(status->width());
    EXPECT_GT(needed, status->fontMetrics().lineSpacing()) << "the text takes several lines";
    EXPECT_GE(status->height(), needed);
}

std::string FileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), {});
}

// The report's export offers the plain format first and the spreadsheet form beside it.
TEST_F(MainWindowDocument, CsvExportOffersTheSpreadsheetForm) {
    CCompareDialog report(window_.Image(), settings_);
    auto* exportCsv = FindControlAs<QPushButton>(&report, CCompareDialog::kIdExportCsv);
    const std::string plain = profile_.File("plain.csv");
    ChooseFile(QString::fromStdString(plain));
    exportCsv->click();
    const std::string spreadsheet = profile_.File("sheet.csv");
    QStringList filters;
    OnModal<QFileDialog>([&](QFileDialog* dialog) {
        filters = dialog->nameFilters();
        dialog->selectNameFilter(filters.value(1));
        dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))
            ->setText(QString::fromStdString(spreadsheet));
        static_cast<QDialog*>(dialog)->done(QDialog::Accepted);
    });
    exportCsv->click();
    ASSERT_EQ(filters.size(), 3);
    EXPECT_TRUE(filters[1].startsWith(Text(kTextCsvExcelFilter).section(u'(', 0, 0).trimmed()));
    const std::string plainText = FileText(plain);
    const std::string sheetText = FileText(spreadsheet);
    EXPECT_EQ(plainText.rfind("\"", 0), 0u) << "no header, no byte order mark";
    ASSERT_EQ(sheetText.rfind("\xEF\xBB\xBF\"", 0), 0u);
    EXPECT_NE(sheetText.find("\r\n" + plainText.substr(0, plainText.find("\r\n"))),
              std::string::npos)
        << "the plain lines follow the header";
}

}  // namespace
}  // namespace voltaro
