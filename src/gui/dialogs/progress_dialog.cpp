#include "gui/dialogs/progress_dialog.h"

#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "core/comm/modbus_interface.h"
#include "core/platform/ui_text_ids.h"
#include "core/transfer/progress_thread.h"
#include "gui/app/control_names.h"
#include "gui/app/qt_text.h"

namespace voltaro {

namespace {

constexpr int kTickMs = 500;
constexpr uint32_t kEndWaitMs = 10000;

}  // namespace

std::array<QPixmap, 4> CProgressDialog::QualityIcons() {
    // Signal bars: none lit and a red cross for no answer at all, then one, two and
    // three lit bars in red, amber and green.
    const QColor lit[4] = {QColor(200, 0, 0), QColor(220, 40, 40), QColor(230, 160, 0),
                           QColor(0, 160, 0)};
    std::array<QPixmap, 4> icons;
    for (int level = 0; level < 4; ++level) {
        QPixmap pixmap(16, 16);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        for (int bar = 0; bar < 3; ++bar) {
            const int height = 5 + 4 * bar;
            const QRect rect(1 + 5 * bar, 15 - height, 4, height);
            painter.fillRect(rect, bar < level ? lit[level] : QColor(190, 190, 190));
            painter.setPen(QColor(90, 90, 90));
            painter.drawRect(rect.adjusted(0, 0, -1, -1));
        }
        if (level == 0) {
            painter.setPen(QPen(lit[0], 2));
            painter.drawLine(2, 2, 9, 9);
            painter.drawLine(9, 2, 2, 9);
        }
        icons[static_cast<std::size_t>(level)] = pixmap;
    }
    return icons;
}

CProgressDialog::CProgressDialog(CModbusInterface& client, CProgressThread::Direction direction,
                                 const ParameterImage& image, QWidget* parent)
    : CObserverDialog(parent), client_(client), direction_(direction) {
    CopyParameterImage(image_, image);
    setObjectName(QStringLiteral("id143"));
    setWindowTitle(Text(kTextProgressCaption));
    auto* top = new QVBoxLayout(this);
    text_ = new QLabel(ToQString(ProgressText(direction, {})), this);
    NameControl(text_, kIdProgressText, "progress_text");
    top->addWidget(text_);
    bar_ = new QProgressBar(this);
    NameControl(bar_, kIdProgressBar, "progress_bar");
    bar_->setRange(0, 100);
    bar_->setValue(0);
    bar_->setMinimumWidth(280);
    top->addWidget(bar_);
    auto* quality = new QHBoxLayout;
    icon_ = new QLabel(this);
    NameControl(icon_, kIdQualityIcon, "quality_icon");
    rate_ = new QLabel(this);
    NameControl(rate_, kIdSuccessRate, "success_rate");
    quality->addWidget(icon_);
    quality->addWidget(rate_);
    quality->addStretch(1);
    top->addLayout(quality);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    QPushButton* cancel = buttons->button(QDialogButtonBox::Cancel);
    cancel->setText(Text(kTextCancel));
    cancel->setObjectName(ControlObjectName(kIdCancel));
    connect(buttons, &QDialogButtonBox::rejected, this, &CProgressDialog::reject);
    top->addWidget(buttons);

    const bool infrared = client_.settings.mode == Infrared;
    icon_->setVisible(infrared);
    rate_->setVisible(infrared);
    if (infrared) icons_ = QualityIcons();
    timer_ = new QTimer(this);
    timer_->setInterval(kTickMs);
    connect(timer_, &QTimer::timeout, this, &CProgressDialog::Tick);
}

CProgressDialog::~CProgressDialog() {
    // The worker must not notify a dialog that is gone: stop observing, then wait.
    DetachAll();
    thread_.reset();
}

int CProgressDialog::exec() {
    thread_ = direction_ == CProgressThread::kUpload ? StartUpload(client_, image_, *this)
                                                     : StartDownload(client_, image_, *this);
    timer_->start();
    return CObserverDialog::exec();
}

void CProgressDialog::Tick() {
    if (client_.settings.mode != Infrared) return;
    const double percent = client_.QualityPercent();
    rate_->setText(ToQString(SuccessRateText(percent)));
    const int level = QualityIconIndex(percent);
    icon_->setPixmap(icons_[static_cast<std::size_t>(level)]);
    icon_->setProperty("qualityIcon", level);
}

void CProgressDialog::OnObservableUpdate(CObservable* /*source*/) {
    if (finished_ || !thread_) return;
    if (!thread_->Done()) {
        bar_->setValue(ProgressBarPosition(thread_->Progress()));
        text_->setText(ToQString(ProgressText(direction_, thread_->Retry())));
        return;
    }
    finished_ = true;
    timer_->stop();
    thread_->Wait(kEndWaitMs);
    if (thread_->Cancelled()) {
        QDialog::reject();
    } else {
        bar_->setValue(100);
        QDialog::accept();
    }
}

void CProgressDialog::reject() {
    // The dialog stays until the thread reports that it is done.
    if (thread_ && !finished_) thread_->Cancel();
}

void CProgressDialog::closeEvent(QCloseEvent* event) {
    event->ignore();
    reject();
}

bool CProgressDialog::Finish(ParameterImage* uploadTarget) {
    return thread_ && FinishTransfer(*thread_, uploadTarget);
}

bool RunWithProgress(QWidget* parent, CModbusInterface& client, const ParameterImage& image) {
    CProgressDialog dialog(client, CProgressThread::kDownload, image, parent);
    dialog.exec();
    return dialog.Finish(nullptr);
}

bool RunUploadWithProgress(QWidget* parent, CModbusInterface& client, ParameterImage& image) {
    CProgressDialog dialog(client, CProgressThread::kUpload, image, parent);
    dialog.exec();
    return dialog.Finish(&image);
}

}  // namespace voltaro
