#include "gui/controls/paint_support.h"

#include <QFontDatabase>
#include <QPainter>

namespace voltaro {

QFont FontWithFace(const QFont& base, const QString& face, int pointSize) {
    QFont font(base);
    // Qt would substitute some other face for a missing one; keep the default instead.
    if (QFontDatabase::hasFamily(face)) font.setFamily(face);
    if (pointSize > 0) font.setPointSize(pointSize);
    return font;
}

void DrawUpwardText(QPainter& painter, const QRect& rect, const QString& text) {
    painter.save();
    painter.translate(rect.left() + rect.width() / 2.0, rect.top() + rect.height() / 2.0);
    painter.rotate(-90);
    const QRectF turned(-rect.height() / 2.0, -rect.width() / 2.0, rect.height(), rect.width());
    painter.drawText(turned, Qt::AlignCenter | Qt::TextSingleLine, text);
    painter.restore();
}

}  // namespace voltaro
