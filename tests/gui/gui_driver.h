#pragma once
// Helpers that drive modal dialogs from widget tests: a callback runs once the wanted kind
// of dialog is the active modal widget, and message boxes that appear are recorded.
#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/comm/com_settings.h"
#include "core/platform/profile.h"
#include "core/platform/temp_dir.h"
#include "gui/app/control_names.h"
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
        if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) {
            name->setText(path);
        } else {
            dialog->selectFile(path);
        }
        static_cast<QDialog*>(dialog)->done(QDialog::Accepted);
    });
}

// Records the text of every message box that becomes modal and closes it, while it lives.
class MessageBoxRecorder {
  public:
    MessageBoxRecorder() {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                texts_.push_back(box->text().toStdString());
                icons_.push_back(box->icon());
                box->done(QMessageBox::Ok);
            }
        });
        timer_.start(10);
    }
    const std::vector<std::string>& Texts() const { return texts_; }
    const std::vector<QMessageBox::Icon>& Icons() const { return icons_; }

  private:
    QTimer timer_;
    std::vector<std::string> texts_;
    std::vector<QMessageBox::Icon> icons_;
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
    auto connected = ClickOnModal<CCommDialog>(1);
    command();
    EXPECT_TRUE(*connected);
}

}  // namespace voltaro::test
