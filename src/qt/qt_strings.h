#pragma once

#include "platform/color.h"

#include <QColor>
#include <QString>
#include <string>
#include <string_view>

namespace lumio {

// Our strings are UTF-16 code units, like QString's: conversions are copies, never
// re-encodings.
inline QString ToQString(std::u16string_view text) {
    return QString(reinterpret_cast<const QChar*>(text.data()),
                   static_cast<qsizetype>(text.size()));
}

inline std::u16string ToU16(const QString& text) {
    return std::u16string(reinterpret_cast<const char16_t*>(text.utf16()),
                          static_cast<std::size_t>(text.size()));
}

// A translated colour value (0x00BBGGRR) as a QColor; the top byte is ignored.
inline QColor ToQColor(OleColor color) {
    return QColor(RedOf(color), GreenOf(color), BlueOf(color));
}

inline OleColor ToOleColor(const QColor& color) {
    return Rgb(color.red(), color.green(), color.blue());
}

} // namespace lumio
