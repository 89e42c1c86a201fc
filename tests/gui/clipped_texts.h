#pragma once
// Finds the texts of a window that the user cannot read whole: labels, buttons, check
// boxes, group titles and drop-down texts narrower than their text, and list columns
// narrower than their header or one of their cells. Works on any window, in any language
// and at any scale, so that one check covers every dialog.
#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QStyleOptionComboBox>
#include <QTreeWidget>
#include <string>
#include <vector>

#include "gui/app/qt_text.h"

namespace voltaro::test {

inline std::string Describe(const QWidget* widget, const QString& text, int width, int needed) {
    return ToStdString(widget->window()->windowTitle()) + " / " +
           ToStdString(widget->objectName()) + " \"" + ToStdString(text) +
           "\": " + std::to_string(width) + " px for " + std::to_string(needed);
}

inline void CheckLabel(const QLabel* label, std::vector<std::string>& clipped) {
    const QString text = label->text();
    if (text.isEmpty() || label->textFormat() == Qt::RichText) return;
    const QRect room = label->contentsRect().adjusted(label->margin(), label->margin(),
                                                      -label->margin(), -label->margin());
    if (label->wordWrap()) {
        const int needed = label->heightForWidth(label->width());
        if (label->height() < needed)
            clipped.push_back(Describe(label, text, label->height(), needed));
        return;
    }
    const QRect bounds = label->fontMetrics().boundingRect(QRect(), Qt::TextExpandTabs, text);
    if (room.width() < bounds.width())
        clipped.push_back(Describe(label, text, room.width(), bounds.width()));
    if (room.height() < bounds.height())
        clipped.push_back(Describe(label, text, room.height(), bounds.height()));
}

inline void CheckCombo(const QComboBox* combo, std::vector<std::string>& clipped) {
    const QString text = combo->currentText();
    if (text.isEmpty()) return;
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = combo->isEditable();
    option.frame = combo->hasFrame();
    const QRect field = combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                       QStyle::SC_ComboBoxEditField, combo);
    const int needed = combo->fontMetrics().horizontalAdvance(text);
    if (field.width() < needed) clipped.push_back(Describe(combo, text, field.width(), needed));
}

inline void CheckTree(const QTreeWidget* tree, std::vector<std::string>& clipped) {
    const QHeaderView* header = tree->header();
    for (int column = 0; column < tree->columnCount(); ++column) {
        if (header->isSectionHidden(column)) continue;
        const int width = header->sectionSize(column);
        const int headerNeeded = header->sectionSizeHint(column);
        if (width < headerNeeded)
            clipped.push_back(
                Describe(tree, tree->headerItem()->text(column), width, headerNeeded));
        // Text and the delegate's margins on both sides, plus the tree's indentation.
        const int margin =
            tree->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, tree) + 1;
        for (QTreeWidgetItemIterator it(const_cast<QTreeWidget*>(tree)); *it; ++it) {
            const QTreeWidgetItem* item = *it;
            if (item->isHidden() || item->text(column).isEmpty()) continue;
            if (item->parent() == nullptr && item->isFirstColumnSpanned()) continue;
            int depth = 0;
            for (const QTreeWidgetItem* up = item->parent(); up != nullptr; up = up->parent())
                ++depth;
            const QFontMetrics metrics(item->font(column));
            int needed = metrics.horizontalAdvance(item->text(column)) + 2 * margin;
            if (column == 0) needed += depth * tree->indentation();
            if (width < needed)
                clipped.push_back(Describe(tree, item->text(column), width, needed));
        }
    }
}

// Every text of window's visible widgets that does not fit.
inline std::vector<std::string> ClippedTexts(const QWidget* window) {
    std::vector<std::string> clipped;
    for (const QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(window)) continue;
        if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            CheckLabel(label, clipped);
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            if (!button->text().isEmpty() && button->width() < button->minimumSizeHint().width())
                clipped.push_back(Describe(button, button->text(), button->width(),
                                           button->minimumSizeHint().width()));
        } else if (const auto* group = qobject_cast<const QGroupBox*>(widget)) {
            if (group->width() < group->minimumSizeHint().width())
                clipped.push_back(Describe(group, group->title(), group->width(),
                                           group->minimumSizeHint().width()));
        } else if (const auto* combo = qobject_cast<const QComboBox*>(widget)) {
            CheckCombo(combo, clipped);
        } else if (const auto* tree = qobject_cast<const QTreeWidget*>(widget)) {
            CheckTree(tree, clipped);
        }
    }
    return clipped;
}

}  // namespace voltaro::test
