#pragma once
// "Processing...": watches one upload or download thread with a progress bar and Cancel,
// and on infra-red links the success rate with a link-quality icon. The dialog closes by
// itself when the thread reports that it is done: with OK, or with Cancel when the user
// cancelled. What the end means (cancelled, failed, done) is the core's FinishTransfer.
// Controls: progress bar "id1073", text "id1074", success rate "id1102", quality icon
// "id1103" (property "qualityIcon": 0 worst ... 3 best), Cancel "id2".
#include <QPixmap>
#include <array>
#include <memory>

#include "core/app/progress_view.h"
#include "core/model/parameter_image.h"
#include "core/transfer/progress_thread.h"
#include "gui/app/ui_observer.h"

class QLabel;
class QProgressBar;
class QTimer;

namespace voltaro {

class CModbusInterface;

class CProgressDialog : public CObserverDialog {
    Q_OBJECT
  public:
    static constexpr int kIdProgressBar = 1073;
    static constexpr int kIdProgressText = 1074;
    static constexpr int kIdSuccessRate = 1102;
    static constexpr int kIdQualityIcon = 1103;

    CProgressDialog(CModbusInterface& client, CProgressThread::Direction direction,
                    const ParameterImage& image, QWidget* parent = nullptr);
    ~CProgressDialog() override;

    // Starts the transfer thread and shows the dialog until the thread is done.
    int exec() override;
    // Cancel: asks the thread to stop; the dialog closes when the thread is done.
    void reject() override;

    // After exec: the core's end-of-transfer rules (FinishTransfer): false when cancelled,
    // the failure thrown, else true with an upload's image copied into uploadTarget.
    bool Finish(ParameterImage* uploadTarget);

    // The four link-quality pictures, worst to best.
    static std::array<QPixmap, 4> QualityIcons();

  protected:
    void OnObservableUpdate(CObservable* source) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void Tick();

    CModbusInterface& client_;
    CProgressThread::Direction direction_;
    ParameterImage image_;
    std::unique_ptr<CProgressThread> thread_;
    bool finished_ = false;
    QProgressBar* bar_;
    QLabel* text_;
    QLabel* rate_;
    QLabel* icon_;
    QTimer* timer_;
    std::array<QPixmap, 4> icons_;
};

// Download under the dialog: false when cancelled, throws the failure, else true.
bool RunWithProgress(QWidget* parent, CModbusInterface& client, const ParameterImage& image);
// Upload under the dialog into image: false when cancelled, throws the failure.
bool RunUploadWithProgress(QWidget* parent, CModbusInterface& client, ParameterImage& image);

}  // namespace voltaro
