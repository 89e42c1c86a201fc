#pragma once
// The driver of the widget tests: a callback runs once the wanted kind of dialog is the
// active modal widget, message boxes that appear are recorded and closed, and widgets get
// the activation, focus, clicks and choices that a user would give them. Controls are
// found by their ids through gui/app/control_names.h or by their names through Child.
#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/comm/com_settings.h"
#include "core/platform/profile.h"
#include "core/platform/temp_dir.h"
#include "core/settings/settings_test_support.h"
#include "gui/app/control_names.h"
#include "gui/app/qt_text.h"
#include "gui/controls/edit_combo_box.h"
#include "gui/controls/list_ctrl_info_tip.h"
#include "gui/dialogs/comm_dialog.h"

namespace voltaro::test {

// Runs action on the first active modal widget of type T (polled every 10 ms, for at most
// timeoutMs). The returned flag tells whether the action ran.
template <typename T>
std::shared_ptr<bool> OnModal(std::function<void(T*)> action, int timeoutMs = 10000) {
    auto ran = std::make_shared<bool>(false);
    auto* timer = new QTimer(qApp);
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    QObject::connect(timer, &QTimer::timeout, qApp, [timer, action, ran, clock, timeoutMs] {
        if (T* widget = qobject_cast<T*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            *ran = true;
            action(widget);
        } else if (clock->elapsed() > timeoutMs) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start(10);
    return ran;
}

// Clicks the child named "id<id>" of the active modal dialog of type T.
template <typename T>
std::shared_ptr<bool> ClickOnModal(int id, int timeoutMs = 10000) {
    return OnModal<T>(
        [id](T* dialog) {
            if (auto* button = FindControlAs<QAbstractButton>(dialog, id)) button->click();
        },
        timeoutMs);
}

// Chooses path in the next file dialog.
inline std::shared_ptr<bool> ChooseFile(const QString& path) {
    return OnModal<QFileDialog>([path](QFileDialog* dialog) {
        // The name goes into the dialog's name field, which selectedFiles() reads; a
        // selection made with selectFile() can be undone by the dialog's file system model
        // as it fills asynchronously. done() rather than accept() for the same reason.
        // selectFile() first all the same: it clears the selection of a dialog that started
        // on another file, which would win over the typed name (typing clears it only when
        // the name field has the focus).
        if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) {
            dialog->selectFile(path);
            name->setText(path);
        } else {
            dialog->selectFile(path);
        }
        static_cast<QDialog*>(dialog)->done(QDialog::Accepted);
    });
}

// Records the text and icon of every message box that appears and closes it, while it lives.
class MessageBoxRecorder {
  public:
    MessageBoxRecorder() {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                auto* box = qobject_cast<QMessageBox*>(widget);
                if (box == nullptr || !box->isVisible()) continue;
                texts_.push_back(ToStdString(box->text()));
                icons_.push_back(box->icon());
                const QCursor* cursor = QApplication::overrideCursor();
                cursors_.push_back(cursor != nullptr ? cursor->shape() : Qt::ArrowCursor);
                box->done(QMessageBox::Ok);
            }
        });
        timer_.start(5);
    }
    const std::vector<std::string>& Texts() const { return texts_; }
    const std::vector<QMessageBox::Icon>& Icons() const { return icons_; }
    // The cursor shape the user saw while each box was up.
    const std::vector<Qt::CursorShape>& Cursors() const { return cursors_; }

  private:
    QTimer timer_;
    std::vector<std::string> texts_;
    std::vector<QMessageBox::Icon> icons_;
    std::vector<Qt::CursorShape> cursors_;
};

// Picks the entry of combo whose text starts with prefix and reports it as a user choice.
inline bool PickComboEntry(QComboBox* combo, const QString& prefix) {
    for (int i = 0; i < combo->count(); ++i) {
        if (combo->itemText(i).startsWith(prefix)) {
            combo->setCurrentIndex(i);
            emit combo->activated(i);
            return true;
        }
    }
    return false;
}

// A fresh profile for the test: VOLTARO_PROFILE points into a scratch directory.
class ScratchProfile {
  public:
    ScratchProfile() { ::setenv("VOLTARO_PROFILE", dir_.File("VOLTARO.ini").c_str(), 1); }
    ~ScratchProfile() { ::unsetenv("VOLTARO_PROFILE"); }
    std::string File(const std::string& name) const { return dir_.File(name); }
    std::string ProfilePath() const { return dir_.File("VOLTARO.ini"); }
    // Saves connection settings that point at a Modbus-TCP server on loopback.
    void ConnectTo(int port) const {
        CUserProfile profile(ProfilePath());
        CComSettings settings;
        settings.mode = ModbusTcp;
        settings.serverAddress = "127.0.0.1";
        settings.servicePort = std::to_string(port);
        settings.Save(profile);
        profile.Save();
    }

  private:
    TempDir dir_;
};

// Runs command, which opens the Connect dialog, with the dialog accepted as it stands.
inline void RunConnected(const std::function<void()>& command) {
    auto connected = ClickOnModal<CCommDialog>(kIdOk);
    command();
    EXPECT_TRUE(*connected);
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

// The child named name (a readable name, not an id), which the test expects to exist.
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
