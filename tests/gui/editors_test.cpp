// In-place editors: how CEditText and CEditComboBox end an edit, and what CParEdit reports.
#include <gtest/gtest.h>
#include <QAbstractItemView>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

#include "gui/controls/par_edit.h"
#include "recording_observer.h"

namespace voltaro {
namespace {

using test::RecordingObserver;

// A top-level window with a host for the editors and another field to take the focus.
class EditorWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        auto* layout = new QVBoxLayout(&window);
        host = new QWidget(&window);
        host->setObjectName(QStringLiteral("host"));
        host->setMinimumSize(200, 100);
        other = new QLineEdit(&window);
        other->setObjectName(QStringLiteral("other"));
        layout->addWidget(host);
        layout->addWidget(other);
        window.show();
        QApplication::setActiveWindow(&window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    QWidget window;
    QWidget* host = nullptr;
    QLineEdit* other = nullptr;
};

class EditTextTest : public EditorWindow {
  protected:
    void SetUp() override {
        EditorWindow::SetUp();
        edit = new CEditText(host);
        Attach(*edit, observer);
        edit->setText(QStringLiteral("123"));
        edit->show();
        edit->setFocus();
        edit->deselect();
    }

    void ExpectEnded(bool committed, int navigation) {
        ASSERT_EQ(observer.sources.size(), 1u);
        EXPECT_EQ(observer.sources[0], edit);
        EXPECT_EQ(edit->committed, committed);
        EXPECT_EQ(edit->navigation, navigation);
        observer.sources.clear();
    }

    CEditText* edit = nullptr;
    RecordingObserver observer;
};

TEST_F(EditTextTest, EnterDownAndUpAccept) {
    QTest::keyClick(edit, Qt::Key_Return);
    ExpectEnded(true, kNavigateNone);
    QTest::keyClick(edit, Qt::Key_Down);
    ExpectEnded(true, kNavigateDown);
    QTest::keyClick(edit, Qt::Key_Up);
    ExpectEnded(true, kNavigateUp);
    EXPECT_TRUE(edit->isVisible());  // the dialog hides it when it has stored the value
}

TEST_F(EditTextTest, LeftLeavesOnlyFromTheStartOfTheText) {
    edit->setCursorPosition(1);
    QTest::keyClick(edit, Qt::Key_Left);
    EXPECT_TRUE(observer.sources.empty());
    EXPECT_EQ(edit->cursorPosition(), 0);

    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Left);  // collapses the selection first
    EXPECT_TRUE(observer.sources.empty());

    edit->setCursorPosition(0);
    QTest::keyClick(edit, Qt::Key_Left);
    ExpectEnded(true, kNavigateLeft);
}

TEST_F(EditTextTest, RightLeavesOnlyFromTheEndOfTheText) {
    edit->setCursorPosition(2);
    QTest::keyClick(edit, Qt::Key_Right);
    EXPECT_TRUE(observer.sources.empty());
    EXPECT_EQ(edit->cursorPosition(), 3);

    edit->setSelection(1, 2);  // selection reaching the end
    QTest::keyClick(edit, Qt::Key_Right);
    EXPECT_TRUE(observer.sources.empty());

    edit->setCursorPosition(3);
    QTest::keyClick(edit, Qt::Key_Right);
    ExpectEnded(true, kNavigateRight);
}

TEST_F(EditTextTest, FocusLossHidesAndEndsWithoutAcceptance) {
    ASSERT_TRUE(edit->hasFocus());
    other->setFocus();
    EXPECT_FALSE(edit->isVisible());
    ExpectEnded(false, kNavigateNone);

    // Hidden editors do not end again when they lose the focus.
    edit->setFocus();
    other->setFocus();
    EXPECT_TRUE(observer.sources.empty());
}

TEST_F(EditTextTest, WindowDeactivationKeepsTheEditGoing) {
    // A message box or another window takes the focus from the whole window; the edit
    // continues when the window is active again.
    QFocusEvent focusOut(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(edit, &focusOut);
    EXPECT_TRUE(edit->isVisible());
    EXPECT_TRUE(observer.sources.empty());
}

class ComboTest : public EditorWindow {
  protected:
    void SetUp() override {
        EditorWindow::SetUp();
        combo = new CEditComboBox(host);
        Attach(*combo, observer);
        combo->addItems(
            {QStringLiteral("TRVA-R5"), QStringLiteral("TRVA-05"), QStringLiteral("TRVA-10")});
        combo->setCurrentIndex(0);
        combo->show();
        combo->setFocus();
    }

    CEditComboBox* combo = nullptr;
    RecordingObserver observer;
};

TEST_F(ComboTest, ChoiceFromTheListAccepts) {
    combo->showPopup();
    QAbstractItemView* list = combo->view();
    ASSERT_TRUE(list->isVisible());
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
    QApplication::processEvents();
    ASSERT_EQ(observer.sources.size(), 1u);
    EXPECT_TRUE(combo->committed);
    EXPECT_EQ(combo->navigation, kNavigateNone);
    EXPECT_EQ(combo->currentIndex(), 1);
}

TEST_F(ComboTest, ClosingTheListWithoutAChoiceCancels) {
    combo->showPopup();
    QTest::keyClick(combo->view(), Qt::Key_Escape);
    QApplication::processEvents();
    ASSERT_EQ(observer.sources.size(), 1u);
    EXPECT_FALSE(combo->committed);
}

TEST_F(ComboTest, ArrowKeysOnTheClosedBoxOnlyChangeTheSelection) {
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(combo->currentIndex(), 1);
    EXPECT_TRUE(observer.sources.empty());
    QTest::keyClick(combo, Qt::Key_Return);
    ASSERT_EQ(observer.sources.size(), 1u);
    EXPECT_TRUE(combo->committed);
    EXPECT_EQ(combo->currentIndex(), 1);
}

TEST_F(ComboTest, KeysOnTheClosedBox) {
    QTest::keyClick(combo, Qt::Key_Left);
    ASSERT_EQ(observer.sources.size(), 1u);
    EXPECT_TRUE(combo->committed);
    EXPECT_EQ(combo->navigation, kNavigateLeft);
    QTest::keyClick(combo, Qt::Key_Right);
    EXPECT_EQ(combo->navigation, kNavigateRight);
    QTest::keyClick(combo, Qt::Key_Escape);
    ASSERT_EQ(observer.sources.size(), 3u);
    EXPECT_FALSE(combo->committed);
    EXPECT_EQ(combo->navigation, kNavigateNone);
}

TEST_F(ComboTest, FocusLossHidesAndEndsWithoutAcceptance) {
    other->setFocus();
    EXPECT_FALSE(combo->isVisible());
    ASSERT_EQ(observer.sources.size(), 1u);
    EXPECT_FALSE(combo->committed);
}

// Stands for the dialog: records CParEdit's results and, after an accepted edit, notifies
// the CParEdit back as the dialogs do.
class DialogStandIn : public CObserver, public CObservable {
  public:
    explicit DialogStandIn(CParEdit& edit) : parEdit(edit) {}
    void Update(CObservable* /*source*/) override {
        results.push_back(parEdit.GetResult());
        navigations.push_back(parEdit.Navigation());
        texts.push_back(parEdit.Text());
        selections.push_back(parEdit.Selection());
        if (parEdit.GetResult() != CParEdit::kCancelled) {
            NotifyObservers();
        }
    }
    CParEdit& parEdit;
    std::vector<int> results;
    std::vector<int> navigations;
    std::vector<std::string> texts;
    std::vector<int> selections;
};

class ParEditTest : public EditorWindow {
  protected:
    void SetUp() override {
        EditorWindow::SetUp();
        parEdit = std::make_unique<CParEdit>(host);
        dialog = std::make_unique<DialogStandIn>(*parEdit);
        Attach(*parEdit, *dialog);
        Attach(*dialog, *parEdit);
    }

    std::unique_ptr<CParEdit> parEdit;
    std::unique_ptr<DialogStandIn> dialog;
};

TEST_F(ParEditTest, TextEditIsPlacedSelectedAndReportsTheText) {
    parEdit->BeginTextEdit(QRect(10, 20, 60, 22), QStringLiteral("150"));
    CEditText* edit = host->findChild<CEditText*>(QStringLiteral("parEditText"));
    ASSERT_EQ(edit, parEdit->Edit());
    EXPECT_EQ(edit->geometry(), QRect(11, 21, 58, 20));
    EXPECT_TRUE(edit->isVisible());
    EXPECT_TRUE(edit->hasFocus());
    EXPECT_EQ(edit->selectedText(), QStringLiteral("150"));

    QTest::keyClicks(edit, QStringLiteral("2000"));
    QTest::keyClick(edit, Qt::Key_Down);
    ASSERT_EQ(dialog->results.size(), 1u);
    EXPECT_EQ(dialog->results[0], CParEdit::kEditAccepted);
    EXPECT_EQ(dialog->texts[0], "2000");
    EXPECT_EQ(dialog->navigations[0], kNavigateDown);
    // Notified back by the dialog: editors hidden, result back to cancelled.
    EXPECT_FALSE(edit->isVisible());
    EXPECT_EQ(parEdit->GetResult(), CParEdit::kCancelled);
    EXPECT_FALSE(parEdit->Active());
}

TEST_F(ParEditTest, RefusedTextCanBeEditedAgain) {
    parEdit->BeginTextEdit(QRect(10, 20, 60, 22), QStringLiteral("0"));
    QTest::keyClick(parEdit->Edit(), Qt::Key_Return);
    ASSERT_FALSE(parEdit->Active());
    parEdit->ResumeTextEdit();
    EXPECT_TRUE(parEdit->Edit()->isVisible());
    EXPECT_TRUE(parEdit->Edit()->hasFocus());
    EXPECT_EQ(parEdit->Edit()->selectedText(), QStringLiteral("0"));
    EXPECT_EQ(parEdit->Edit()->geometry(), QRect(11, 21, 58, 20));
}

TEST_F(ParEditTest, TypedFirstCharacterReplacesTheText) {
    parEdit->BeginTextEdit(QRect(0, 0, 60, 22), QStringLiteral("150"), '7');
    EXPECT_EQ(parEdit->Edit()->text(), QStringLiteral("7"));
    QTest::keyClick(parEdit->Edit(), Qt::Key_Return);
    ASSERT_EQ(dialog->texts.size(), 1u);
    EXPECT_EQ(dialog->texts[0], "7");
}

TEST_F(ParEditTest, ComboReportsTheSelection) {
    parEdit->BeginComboEdit(QRect(10, 10, 80, 22),
                            {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}, 2,
                            false);
    CEditComboBox* combo = parEdit->Combo();
    EXPECT_TRUE(combo->isVisible());
    EXPECT_FALSE(parEdit->Edit()->isVisible());
    EXPECT_EQ(combo->count(), 3);
    QTest::keyClick(combo, Qt::Key_Right);
    ASSERT_EQ(dialog->results.size(), 1u);
    EXPECT_EQ(dialog->results[0], CParEdit::kComboAccepted);
    EXPECT_EQ(dialog->selections[0], 2);
    EXPECT_EQ(dialog->navigations[0], kNavigateRight);
    EXPECT_FALSE(combo->isVisible());

    // A second edit starts from a fresh list.
    parEdit->BeginComboEdit(QRect(10, 10, 80, 22), {QStringLiteral("x")}, 0, true);
    EXPECT_EQ(combo->count(), 1);
    EXPECT_TRUE(combo->view()->isVisible());
    combo->hidePopup();
}

TEST_F(ParEditTest, EscapeOnTheClosedDropDownHidesItAndFocusesTheHost) {
    host->setFocusPolicy(Qt::StrongFocus);
    parEdit->BeginComboEdit(QRect(10, 10, 80, 22), {QStringLiteral("a"), QStringLiteral("b")}, 0,
                            false);
    QTest::keyClick(parEdit->Combo(), Qt::Key_Escape);
    ASSERT_EQ(dialog->results.size(), 1u);
    EXPECT_EQ(dialog->results[0], CParEdit::kCancelled);
    EXPECT_FALSE(parEdit->Active());
    EXPECT_TRUE(host->hasFocus());
}

TEST_F(ParEditTest, FocusLossReportsCancelled) {
    parEdit->BeginTextEdit(QRect(0, 0, 60, 22), QStringLiteral("1"));
    other->setFocus();
    ASSERT_EQ(dialog->results.size(), 1u);
    EXPECT_EQ(dialog->results[0], CParEdit::kCancelled);
    EXPECT_FALSE(parEdit->Active());
}

}  // namespace
}  // namespace voltaro
