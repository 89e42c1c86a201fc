#pragma once
// "Set Date and Time": the PC's and the device's clock side by side, refreshed by a
// periodic read on the background executor and a 200 ms timer; "Set" writes the six
// fields, "Sync PC" the PC's clock to the second. Close ends the dialog after the read in
// flight. Fields are named "year" .. "second"; buttons "sync_pc", "set", "close".
#include <QTimer>
#include <array>
#include <memory>

#include "core/app/date_dialog_model.h"
#include "core/work/simple_functor.h"
#include "gui/app/ui_observer.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace voltaro {

class CBackgroundExecutor;
class CModbusInterface;

class CDateDialog : public CObserverDialog {
    Q_OBJECT
  public:
    static constexpr int kTemplate = 164;
    static constexpr int kTickMs = 200;

    // Reads the clock (a failure is shown with the stop icon: false) and runs the dialog.
    static bool Open(CModbusInterface& client, QWidget* parent,
                     CBackgroundExecutor* executor = nullptr);

    CDateDialog(CModbusInterface& client, const ClockWords& opening, CBackgroundExecutor& executor,
                QWidget* parent = nullptr);
    ~CDateDialog() override;
    void reject() override;

  protected:
    void OnObservableUpdate(CObservable* source) override;

  private:
    void Tick();
    void Set();
    void SyncPc();
    void Advance(int field);

    CModbusInterface& client_;
    CBackgroundExecutor& executor_;
    CDateDialogModel model_;
    CSimpleFunctor read_;
    QTimer timer_;
    std::array<QLineEdit*, 6> fields_{};
    QLabel* pcTime_ = nullptr;
    QLabel* deviceTime_ = nullptr;
    QPushButton* set_ = nullptr;
    QPushButton* sync_ = nullptr;
};

}  // namespace voltaro
