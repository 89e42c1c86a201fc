#pragma once
// "Find devices": scans the Connect dialog's current port (every address of a range at the
// ticked baud rates) or host (every unit id) on a background thread behind a progress
// dialog with Cancel, lists the devices found, and hands back the one the user picks.
// Decisions live in core/app/find_devices_model.h.
#include <QDialog>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

#include "core/app/find_devices_model.h"

class QCheckBox;
class QLineEdit;
class QProgressDialog;
class QPushButton;
class QTableWidget;

namespace voltaro {

class CFindDevicesDialog : public QDialog {
    Q_OBJECT
  public:
    CFindDevicesDialog(const CComSettings& current, QWidget* parent = nullptr);
    // Cancels a running scan and waits for its thread.
    ~CFindDevicesDialog() override;

    // The device picked (set when the dialog was accepted).
    const std::optional<ConnectChoice>& Choice() const { return choice_; }
    void accept() override;

  private:
    void StartScan();
    void ShowProgress(const ScanLine& line, int address, std::size_t done, std::size_t total);
    void AddFinding(const ScanFinding& finding);
    void ScanEnded(const std::string& failure);
    void StopScan();

    CFindDevicesModel model_;
    QLineEdit* addresses_;
    std::vector<QCheckBox*> bauds_;
    QPushButton* scanButton_;
    QTableWidget* results_;
    QPushButton* use_;
    QProgressDialog* progress_ = nullptr;
    std::unique_ptr<CBusScan> scan_;
    std::unique_ptr<IScanListener> listener_;
    std::thread thread_;
    std::vector<ScanFinding> found_;
    std::optional<ConnectChoice> choice_;
};

}  // namespace voltaro
