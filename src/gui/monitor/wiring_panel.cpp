#include "gui/monitor/wiring_panel.h"

#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include "gui/app/control_names.h"
#include "gui/app/qt_text.h"
#include "gui/controls/paint_support.h"
#include "gui/monitor/monitor_widgets.h"

namespace voltaro {
namespace {

QLabel* MakeLine(QWidget* parent, int id, const char* name) {
    auto* label = new QLabel(parent);
    NameControl(label, id, name);
    label->setWordWrap(true);
    return label;
}

}  // namespace

CWiringPanel::CWiringPanel(QWidget* parent) : QWidget(parent) {
    NameControl(this, kIdPanel, "wiring");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    summary_ = MakeLine(this, kIdSummary, "wiring_summary");
    sequence_ = MakeLine(this, kIdSequence, "wiring_sequence");
    stale_ = MakeLine(this, kIdStale, "wiring_stale");
    findings_ = new QListWidget(this);
    NameControl(findings_, kIdFindings, "wiring_findings");
    findings_->setWordWrap(true);
    findings_->setSelectionMode(QAbstractItemView::NoSelection);
    for (QWidget* part : {static_cast<QWidget*>(summary_), static_cast<QWidget*>(sequence_),
                          static_cast<QWidget*>(stale_), static_cast<QWidget*>(findings_)})
        layout->addWidget(part);
    layout->addStretch(1);
}

void CWiringPanel::Show(const WiringPanelView& view) {
    summary_->setText(ToQString(view.summary));
    summary_->setVisible(!view.summary.empty());
    ColourLabel(summary_, view.textColor, std::nullopt);
    sequence_->setText(ToQString(view.sequence));
    sequence_->setVisible(!view.sequence.empty());
    ColourLabel(sequence_, view.textColor, std::nullopt);
    stale_->setText(ToQString(view.staleText));
    stale_->setVisible(!view.staleText.empty());
    findings_->clear();
    for (const WiringFindingView& finding : view.findings) {
        auto* item = new QListWidgetItem(ToQString(finding.title + "\n" + finding.evidence));
        item->setToolTip(ToQString(finding.hint));
        item->setForeground(ColorFromRef(view.textColor));
        findings_->addItem(item);
    }
    findings_->setVisible(!view.findings.empty());
}

}  // namespace voltaro
