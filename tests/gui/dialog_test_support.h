#pragma once
// Helpers of the setting dialog tests: catalogue images, error boxes closed as they
// appear, running code once a modal dialog is up, and key presses on the focused widget.
#include <gtest/gtest.h>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

#include "core/settings/settings_test_support.h"
#include "gui/app/qt_text.h"

namespace voltaro::test {

// Closes every message box that appears while it lives, recording its text and icon.
class MessageBoxCatcher {
  public:
    MessageBoxCatcher() {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                auto* box = qobject_cast<QMessageBox*>(widget);
                if (box == nullptr || !box->isVisible()) continue;
                texts.push_back(ToStdString(box->text()));
                icons.push_back(box->icon());
                box->done(QMessageBox::Ok);
            }
        });
        timer_.start();
    }
    std::vector<std::string> texts;
    std::vector<QMessageBox::Icon> icons;

  private:
    QTimer timer_;
};

// Runs f with the modal dialog once the event loop of the next exec() is running.
inline void WhenModal(std::function<void(QWidget*)> f) {
    QTimer::singleShot(0, [f] { f(QApplication::activeModalWidget()); });
}

inline void ShowActive(QWidget& widget) {
    widget.show();
    QApplication::setActiveWindow(&widget);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&widget));
}

inline void KeyOnFocus(Qt::Key key) {
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    QTest::keyClick(focus, key);
}

template <typename T>
T* Child(const QWidget* parent, const char* name) {
    T* child = parent->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
}

// Gives the window back the activation that a closed message box returns to it (the
// offscreen platform has no window manager that does so).
inline void Reactivate(QWidget* widget) {
    QWidget* window = widget->window();
    QApplication::setActiveWindow(window);
    EXPECT_TRUE(QTest::qWaitForWindowActive(window));
}

// The field has the focus with its whole text selected.
inline bool FocusedAndSelected(QLineEdit* edit) {
    Reactivate(edit);
    return edit->hasFocus() && edit->selectedText() == edit->text() && !edit->text().isEmpty();
}

}  // namespace voltaro::test

#include "gui/controls/edit_combo_box.h"
#include "gui/controls/list_ctrl_info_tip.h"

namespace voltaro::test {

// Confirms entry index of an open in-place drop-down as a choice from its list does.
inline void ChooseInCombo(CEditComboBox* combo, int index) {
    combo->setCurrentIndex(index);
    combo->hidePopup();
    emit combo->activated(index);
    QApplication::processEvents();
}

inline void ClickCell(CListCtrlInfoTip* list, int row, int column) {
    const QRect cell = list->CellRect(list->topLevelItem(row), column);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
}

}  // namespace voltaro::test
