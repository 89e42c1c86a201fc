#pragma once
// Small helpers of the owner-drawn controls: colours given as 0x00BBGGRR values, fonts
// asked for by face name, and text written upwards.
#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <cstdint>

class QPainter;

namespace voltaro {

inline QColor ColorFromRef(std::uint32_t colorRef) {
    return QColor(static_cast<int>(colorRef & 0xFF), static_cast<int>((colorRef >> 8) & 0xFF),
                  static_cast<int>((colorRef >> 16) & 0xFF));
}

// base with the face when the system has it; otherwise base's own face. A point size above
// 0 replaces base's.
QFont FontWithFace(const QFont& base, const QString& face, int pointSize = 0);

// Writes text turned by 90 degrees (reading upwards), centred in rect.
void DrawUpwardText(QPainter& painter, const QRect& rect, const QString& text);

}  // namespace voltaro
