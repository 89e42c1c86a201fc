#pragma once
// Text crosses the Qt boundary here: the core speaks UTF-8 std::string, widgets QString.
#include <QString>
#include <string>

#include "core/platform/string_table.h"

namespace voltaro {

inline QString ToQString(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string ToStdString(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    return std::string(utf8.constData(), static_cast<std::size_t>(utf8.size()));
}

// The string-table text of id in the active language.
inline QString Text(int id) {
    return ToQString(LoadString(id));
}

}  // namespace voltaro
