#include "gui/controls/trend_chart.h"

#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QHBoxLayout>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "core/platform/file_io.h"
#include "core/platform/message_ids.h"
#include "core/platform/private_exception.h"
#include "core/platform/string_table.h"
#include "core/platform/trend_text_ids.h"
#include "gui/app/message_box.h"
#include "gui/app/qt_text.h"

namespace voltaro {
namespace {

constexpr int kListWidth = 210;
constexpr mode_t kPngFileMode = 0644;
// Room above and below the drawn values, as a share of their range.
constexpr double kValueMargin = 0.05;
// Spans up to this show seconds on the time axis; longer ones the day.
constexpr int64_t kSecondsFormatSpan = kTrendHourMs;

}  // namespace

CTrendChart::CTrendChart(std::vector<TrendSeriesInfo> series, QWidget* parent)
    : QWidget(parent), model_(std::move(series)) {
    setObjectName(QStringLiteral("trend_chart"));
    chart_ = new QChart;
    chart_->legend()->setAlignment(Qt::AlignBottom);
    timeAxis_ = new QDateTimeAxis;
    chart_->addAxis(timeAxis_, Qt::AlignBottom);
    const auto& infos = model_.Series();
    for (const TrendSeriesInfo& info : infos) {
        auto* line = new QLineSeries;
        line->setName(ToQString(info.Name()));
        chart_->addSeries(line);
        line->attachAxis(timeAxis_);
        auto& axis = axes_[info.unit];
        if (axis == nullptr) {
            axis = new QValueAxis;
            axis->setTitleText(ToQString(info.unit));
            chart_->addAxis(axis, axes_.size() % 2 == 1 ? Qt::AlignLeft : Qt::AlignRight);
        }
        line->attachAxis(axis);
        lines_.push_back(line);
    }
    view_ = new QChartView(chart_, this);
    view_->setObjectName(QStringLiteral("trend_view"));
    view_->setRubberBand(QChartView::HorizontalRubberBand);
    view_->setRenderHint(QPainter::Antialiasing);
    connect(timeAxis_, &QDateTimeAxis::rangeChanged, this, &CTrendChart::XRangeChanged);

    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(0, 0, 0, 0);
    top->addWidget(BuildToolbar());
    auto* body = new QHBoxLayout;
    body->addWidget(view_, 1);
    body->addWidget(BuildMeasurandList());
    top->addLayout(body, 1);

    AttachTicked();
    connect(&redraw_, &QTimer::timeout, this, &CTrendChart::RedrawIfChanged);
    redraw_.start(kRedrawMs);
}

CTrendChart::~CTrendChart() = default;

QWidget* CTrendChart::BuildToolbar() {
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(new QLabel(Text(kTextTrendSpan), box));
    span_ = new QComboBox(box);
    span_->setObjectName(QStringLiteral("trend_span"));
    for (int64_t span : TrendSpans())
        span_->addItem(ToQString(TrendSpanText(span)), QVariant::fromValue<qint64>(span));
    connect(span_, &QComboBox::currentIndexChanged, this, [this](int entry) {
        model_.SetSpan(span_->itemData(entry).toLongLong());
        RedrawIfChanged();
    });
    row->addWidget(span_);
    pause_ = new QPushButton(Text(kTextTrendPause), box);
    pause_->setObjectName(QStringLiteral("trend_pause"));
    pause_->setCheckable(true);
    connect(pause_, &QPushButton::toggled, this, [this](bool paused) {
        model_.SetPaused(paused);
        RedrawIfChanged();
    });
    row->addWidget(pause_);
    resetZoom_ = new QPushButton(Text(kTextTrendResetZoom), box);
    resetZoom_->setObjectName(QStringLiteral("trend_reset_zoom"));
    resetZoom_->setEnabled(false);
    connect(resetZoom_, &QPushButton::clicked, this, [this] {
        model_.ResetZoom();
        resetZoom_->setEnabled(false);
        RedrawIfChanged();
    });
    row->addWidget(resetZoom_);
    row->addStretch(1);
    auto* png = new QPushButton(Text(kTextTrendSavePng), box);
    png->setObjectName(QStringLiteral("trend_save_png"));
    connect(png, &QPushButton::clicked, this, &CTrendChart::AskSavePng);
    auto* csv = new QPushButton(Text(kTextTrendSaveCsv), box);
    csv->setObjectName(QStringLiteral("trend_save_csv"));
    connect(csv, &QPushButton::clicked, this, &CTrendChart::AskSaveCsv);
    for (QPushButton* button : {pause_, resetZoom_, png, csv}) {
        button->setAutoDefault(false);
        row->addWidget(button);
    }
    return box;
}

QListWidget* CTrendChart::BuildMeasurandList() {
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("trend_measurands"));
    list_->setToolTip(Text(kTextTrendMeasurands));
    list_->setFixedWidth(kListWidth);
    const auto& infos = model_.Series();
    for (std::size_t i = 0; i < infos.size(); ++i) {
        auto* item = new QListWidgetItem(ToQString(infos[i].Name()), list_);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(model_.Ticked(i) ? Qt::Checked : Qt::Unchecked);
    }
    connect(list_, &QListWidget::itemChanged, this, &CTrendChart::TickChanged);
    return list_;
}

void CTrendChart::TickChanged(QListWidgetItem* item) {
    model_.SetTicked(static_cast<std::size_t>(list_->row(item)), item->checkState() == Qt::Checked);
    AttachTicked();
    RedrawIfChanged();
}

void CTrendChart::AttachTicked() {
    std::map<std::string, bool> unitShown;
    const auto& infos = model_.Series();
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const bool ticked = model_.Ticked(i);
        lines_[i]->setVisible(ticked);
        if (!ticked) lines_[i]->clear();
        for (QLegendMarker* marker : chart_->legend()->markers(lines_[i]))
            marker->setVisible(ticked);
        unitShown[infos[i].unit] = unitShown[infos[i].unit] || ticked;
    }
    for (auto& [unit, axis] : axes_)
        axis->setVisible(unitShown[unit]);
}

void CTrendChart::AddSample(TrendGroup group, const CMeasurandsKT2& store) {
    model_.Sample(TrendNowMs(), group, store);
}

void CTrendChart::AddSamples(bool values, bool thd, const CMeasurandsKT2& store) {
    if (values) AddSample(TrendGroup::kValues, store);
    if (thd) AddSample(TrendGroup::kThd, store);
}

void CTrendChart::RedrawIfChanged() {
    if (model_.TakeChanged()) Redraw();
}

void CTrendChart::Redraw() {
    ++redraws_;
    const TrendWindow window = model_.Window();
    const auto width = static_cast<std::size_t>(std::max(1.0, chart_->plotArea().width()));
    std::map<std::string, std::pair<double, double>> ranges;
    const auto& infos = model_.Series();
    for (std::size_t s : model_.TickedSeries()) {
        QList<QPointF> points;
        auto& range = ranges.try_emplace(infos[s].unit, HUGE_VAL, -HUGE_VAL).first->second;
        for (const TrendPoint& p : model_.Points(s, 2 * width)) {
            points.append(QPointF(static_cast<double>(p.time), p.value));
            if (p.time < window.from || p.time > window.to) continue;
            range.first = std::min(range.first, p.value);
            range.second = std::max(range.second, p.value);
        }
        lines_[s]->replace(points);
    }
    for (auto& [unit, range] : ranges) {
        auto [low, high] = range;
        if (low > high) low = 0, high = 1;
        const double margin =
            high > low ? (high - low) * kValueMargin : std::max(1.0, std::abs(low) * kValueMargin);
        axes_[unit]->setRange(low - margin, high + margin);
        axes_[unit]->applyNiceNumbers();  // round tick values
    }
    settingRange_ = true;
    timeAxis_->setFormat(window.to - window.from <= kSecondsFormatSpan
                             ? QStringLiteral("HH:mm:ss")
                             : QStringLiteral("MM-dd HH:mm"));
    timeAxis_->setRange(QDateTime::fromMSecsSinceEpoch(window.from),
                        QDateTime::fromMSecsSinceEpoch(window.to));
    settingRange_ = false;
}

void CTrendChart::XRangeChanged() {
    if (settingRange_) return;
    // The rubber band (or a zoom out) moved the time axis: that stretch is the window now.
    model_.Zoom(timeAxis_->min().toMSecsSinceEpoch(), timeAxis_->max().toMSecsSinceEpoch());
    resetZoom_->setEnabled(model_.Zoomed());
    QTimer::singleShot(0, this, &CTrendChart::RedrawIfChanged);
}

QList<QPointF> CTrendChart::DrawnPoints(std::size_t series) const {
    if (series >= lines_.size() || !model_.Ticked(series)) return {};
    return lines_[series]->points();
}

bool CTrendChart::SavePngTo(const QString& path) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    view_->grab().save(&buffer, "PNG");
    const std::string file = ToStdString(path);
    const FileStatus status = WriteFileSafely(
        file, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
        kPngFileMode);
    if (status) return true;
    ShowException(this, CPrivateException::WithSystemText(kMsgSaveError, status.Text(file)));
    return false;
}

bool CTrendChart::SaveCsvTo(const QString& path) {
    try {
        model_.SaveCsv(ToStdString(path));
        return true;
    } catch (const CPrivateException& error) {
        ShowException(this, error);
        return false;
    }
}

void CTrendChart::AskSavePng() {
    const QString path = GetSaveFileName(
        this,
        {Text(kTextTrendSavePng), LoadString(kTextTrendPngFilter), QStringLiteral("png"), {}});
    if (!path.isEmpty()) SavePngTo(path);
}

void CTrendChart::AskSaveCsv() {
    const QString path = GetSaveFileName(
        this,
        {Text(kTextTrendSaveCsv), LoadString(kTextTrendCsvFilter), QStringLiteral("csv"), {}});
    if (!path.isEmpty()) SaveCsvTo(path);
}

}  // namespace voltaro
