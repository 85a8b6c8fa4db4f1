#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <string_view>

#include "design/units.h"

namespace design {
struct Font;
}

// The window's description in Qt's types. Places become logical pixels at 15 twips each; Qt's
// own high-DPI scaling then keeps the proportions on any screen.
namespace qt_ui {

inline QString toQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

inline QRect toQRect(const design::Twips& place) {
    const design::Pixels pixels = design::toPixels(place);
    return QRect(pixels.left, pixels.top, pixels.width, pixels.height);
}

inline QColor toQColor(const design::Rgb& colour) {
    return QColor(colour.red, colour.green, colour.blue);
}

QFont toQFont(const design::Font& font);

}  // namespace qt_ui
