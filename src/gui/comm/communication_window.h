#pragma once
// The Communication window: the figures of the newest connection and the frame log, live.
// Modeless, one instance: opening it again raises the one that is open.
#include <QDialog>
#include <memory>

class QBoxLayout;
class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;
class QTimer;

namespace voltaro {

class CCommunicationViewModel;

class CCommunicationWindow : public QDialog {
    Q_OBJECT
  public:
    // Shows (creating it when none is open) and raises the window.
    static CCommunicationWindow* Open(QWidget* parent);
    static CCommunicationWindow* Instance();
    ~CCommunicationWindow() override;

    static constexpr int kRefreshMs = 250;

    // The steps of the buttons, callable by tests; SaveTo reports a failure in a message box.
    void Refresh();
    bool SaveTo(const QString& path);

  private:
    explicit CCommunicationWindow(QWidget* parent);
    void TogglePause();
    void Rebuild();
    void SaveAs();
    void ShowCount();

    std::unique_ptr<CCommunicationViewModel> model_;
    QTableWidget* figures_ = nullptr;
    QPlainTextEdit* log_ = nullptr;
    QPushButton* pause_ = nullptr;
    QCheckBox* errorsOnly_ = nullptr;
    QLabel* count_ = nullptr;
    QTimer* timer_ = nullptr;
};

// Adds the "Communication" button that opens the window to a monitor window's button row.
QPushButton* AddCommunicationButton(QWidget* box, QBoxLayout* row);

}  // namespace voltaro
