#pragma once

#include <QColor>
#include <QString>
#include <cstdint>

#include "window_design.h"

// The window's design in Qt's own types.
inline QColor ToQColor(drawchk::design::Colour colour) {
    return {colour.red, colour.green, colour.blue};
}

inline drawchk::design::Colour FromQColor(const QColor& colour) {
    return {static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
            static_cast<std::uint8_t>(colour.blue())};
}

inline QString ToQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}
