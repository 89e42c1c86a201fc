#pragma once
// The loop test of the ZC series, per measuring channel: the channel list "id1188", the
// radio buttons that reflect and switch the selected channel's loop-test flag, and the
// grid of the 8 common values and the channel's 21 values (editable in loop-test mode).
// A poll on the background executor keeps the values current, as CLoopTestZcModel
// decides; Close ends the dialog once the poll in flight has completed. The note says
// that the common voltages and the frequency follow channel 1's mode.
#include "core/app/loop_test_zc_model.h"
#include "core/work/simple_functor.h"
#include "gui/app/ui_observer.h"
#include "gui/monitor/loop_test_dialogs.h"

class QComboBox;
class QLabel;

namespace voltaro {

class CBackgroundExecutor;

class CLoopTestZCDialog : public CLoopDialogBase, public CObserver {
    Q_OBJECT
  public:
    static constexpr int kTemplate = 168;
    static constexpr int kIdChannels = 1188;
    static constexpr int kIdStatus = 1074;  // "    Communication error    " while polls fail

    // Reads the channel count and the first channel's flag (a failure is shown and opens
    // nothing) and runs the dialog with its poll on the process-wide executor.
    static void Run(CModbusInterface& client, QWidget* parent);
    CLoopTestZCDialog(CModbusInterface& client, int channelCount, bool loopTest,
                      CBackgroundExecutor& executor, QWidget* parent = nullptr);
    ~CLoopTestZCDialog() override;

    const CLoopTestZcModel& Model() const { return model_; }
    QComboBox* Channels() const { return channels_; }

    // Close: at once between polls, else at the completion of the poll in flight.
    void reject() override;
    void Update(CObservable* source) override;

  protected:
    bool SwitchMode(bool on) override;
    void CommitValue(int row, const std::string& text) override;
    QString ValueText(int row) const override;
    bool Editable(int row) const override { return model_.Editable(row); }

  private:
    void ChannelChanged(int channel);
    void PostPoll();
    void PollDone();
    void ShowError();

    CBackgroundExecutor& executor_;
    CLoopTestZcModel model_;
    ZcLoopPoll poll_;  // set before posting, filled by the executor, read at completion
    CSimpleFunctor pollFunctor_;
    CObserverProxyUI proxy_;
    QComboBox* channels_ = nullptr;
    QLabel* error_ = nullptr;
};

}  // namespace voltaro
