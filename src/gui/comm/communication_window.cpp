#include "gui/comm/communication_window.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QSplitter>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "core/app/communication_view_model.h"
#include "core/platform/link_text_ids.h"
#include "core/platform/message_format.h"
#include "core/platform/ui_text_ids.h"
#include "gui/app/message_box.h"
#include "gui/app/qt_text.h"

namespace voltaro {
namespace {

QPointer<CCommunicationWindow>& OpenWindow() {
    static QPointer<CCommunicationWindow> window;
    return window;
}

}  // namespace

CCommunicationWindow* CCommunicationWindow::Instance() {
    return OpenWindow().data();
}

CCommunicationWindow* CCommunicationWindow::Open(QWidget* parent) {
    if (!OpenWindow()) OpenWindow() = new CCommunicationWindow(parent);
    CCommunicationWindow* window = OpenWindow().data();
    // A modal monitor window blocks every window but its own: the open window moves under
    // the window that asks for it, so it stays usable there.
    if (window->parentWidget() != parent) window->setParent(parent, window->windowFlags());
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

CCommunicationWindow::CCommunicationWindow(QWidget* parent)
    : QDialog(parent), model_(std::make_unique<CCommunicationViewModel>()) {
    setObjectName(QStringLiteral("communication_window"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setWindowTitle(Text(kTextCommWindowTitle));

    figures_ = new QTableWidget(0, 2, this);
    figures_->setObjectName(QStringLiteral("figures"));
    figures_->setHorizontalHeaderLabels({Text(kTextCommFigure), Text(kTextCommValue)});
    figures_->verticalHeader()->hide();
    figures_->horizontalHeader()->setStretchLastSection(true);
    figures_->setEditTriggers(QAbstractItemView::NoEditTriggers);

    log_ = new QPlainTextEdit(this);
    log_->setObjectName(QStringLiteral("frame_log"));
    log_->setReadOnly(true);
    log_->setLineWrapMode(QPlainTextEdit::NoWrap);
    log_->setMaximumBlockCount(static_cast<int>(CCommunicationViewModel::kMaxFrames));
    log_->setFont(QFont(QStringLiteral("monospace")));

    pause_ = new QPushButton(Text(kTextCommPause), this);
    pause_->setObjectName(QStringLiteral("pause"));
    connect(pause_, &QPushButton::clicked, this, &CCommunicationWindow::TogglePause);
    auto* clear = new QPushButton(Text(kTextCommClear), this);
    clear->setObjectName(QStringLiteral("clear"));
    connect(clear, &QPushButton::clicked, this, [this] {
        model_->Clear();
        Rebuild();
    });
    errorsOnly_ = new QCheckBox(Text(kTextCommErrorsOnly), this);
    errorsOnly_->setObjectName(QStringLiteral("errors_only"));
    connect(errorsOnly_, &QCheckBox::toggled, this, [this](bool on) {
        model_->SetErrorsOnly(on);
        Rebuild();
    });
    auto* save = new QPushButton(Text(kTextCommSave), this);
    save->setObjectName(QStringLiteral("save"));
    connect(save, &QPushButton::clicked, this, &CCommunicationWindow::SaveAs);
    count_ = new QLabel(this);
    count_->setObjectName(QStringLiteral("frame_count"));
    auto* close = new QPushButton(Text(kTextClose), this);
    close->setObjectName(QStringLiteral("close"));
    connect(close, &QPushButton::clicked, this, &QDialog::close);

    auto* buttons = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{pause_, clear, errorsOnly_, save, count_})
        buttons->addWidget(w);
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->addWidget(figures_);
    splitter->addWidget(log_);
    splitter->setStretchFactor(1, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter, 1);
    layout->addLayout(buttons);
    resize(820, 600);

    timer_ = new QTimer(this);
    connect(timer_, &QTimer::timeout, this, &CCommunicationWindow::Refresh);
    timer_->start(kRefreshMs);
    Refresh();
}

CCommunicationWindow::~CCommunicationWindow() = default;

void CCommunicationWindow::Refresh() {
    const std::vector<LinkFigure> rows = model_->FigureRows();
    figures_->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const LinkFigure& row = rows[static_cast<std::size_t>(r)];
        for (int c = 0; c < 2; ++c) {
            const QString text = ToQString(c == 0 ? row.name : row.value);
            QTableWidgetItem* item = figures_->item(r, c);
            if (!item) figures_->setItem(r, c, item = new QTableWidgetItem);
            if (item->text() != text) item->setText(text);
        }
    }
    if (model_->Poll()) {
        // Stay at the end unless the user scrolled up to read.
        QScrollBar* bar = log_->verticalScrollBar();
        const bool atEnd = bar->value() == bar->maximum();
        for (const std::string& line : model_->NewLines())
            log_->appendPlainText(ToQString(line));
        if (atEnd) bar->setValue(bar->maximum());
    }
    ShowCount();
}

void CCommunicationWindow::ShowCount() {
    count_->setText(model_->Paused()
                        ? Text(kTextCommPaused)
                        : ToQString(FormatMessageId(kTextCommFrameCount,
                                                    {static_cast<int>(model_->ShownCount())})));
}

void CCommunicationWindow::TogglePause() {
    model_->SetPaused(!model_->Paused());
    pause_->setText(Text(model_->Paused() ? kTextCommResume : kTextCommPause));
    ShowCount();
}

void CCommunicationWindow::Rebuild() {
    QStringList lines;
    for (const std::string& line : model_->Lines())
        lines.push_back(ToQString(line));
    log_->setPlainText(lines.join(QLatin1Char('\n')));
    log_->verticalScrollBar()->setValue(log_->verticalScrollBar()->maximum());
    ShowCount();
}

void CCommunicationWindow::SaveAs() {
    FileDialogOptions options;
    options.title = Text(kTextCommWindowTitle);
    options.filter = LoadString(kTextCommSaveFilter);
    options.defaultSuffix = QStringLiteral("txt");
    const QString path = GetSaveFileName(this, options);
    if (!path.isEmpty()) SaveTo(path);
}

bool CCommunicationWindow::SaveTo(const QString& path) {
    const std::string error = model_->Save(ToStdString(path));
    if (error.empty()) return true;
    ShowError(this, error);
    return false;
}

QPushButton* AddCommunicationButton(QWidget* box, QBoxLayout* row) {
    auto* button = new QPushButton(Text(kTextCommWindowTitle), box);
    button->setObjectName(QStringLiteral("communication"));
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, box,
                     [box] { CCommunicationWindow::Open(box->window()); });
    row->addWidget(button);
    return button;
}

}  // namespace voltaro
