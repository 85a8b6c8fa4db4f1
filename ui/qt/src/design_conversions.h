#pragma once

#include <QColor>
#include <QFont>
#include <QMargins>
#include <QRect>
#include <QSize>
#include <QString>
#include <string_view>

#include "design/scaling.h"
#include "design/units.h"
#include "presenter/window_sizing.h"

class QKeyEvent;

namespace design {
struct Font;
}

namespace presenter {
struct KeyPress;
}

// The window's description in Qt's types. Places become logical pixels at 15 twips each, times the
// scale the window is enlarged by; Qt's own high-DPI scaling then keeps the proportions on any
// screen.
namespace qt_ui {

inline QString toQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

inline QRect toQRect(const design::Twips& place, double scale = 1.0) {
    const design::Pixels pixels = design::scaledPlace(place, scale);
    return QRect(pixels.left, pixels.top, pixels.width, pixels.height);
}

inline QRect toQRect(const design::Pixels& pixels) {
    return QRect(pixels.left, pixels.top, pixels.width, pixels.height);
}

inline design::Pixels toPixels(const QRect& rect) {
    return design::Pixels{rect.left(), rect.top(), rect.width(), rect.height()};
}

inline QSize toQSize(const design::PixelSize& size) { return QSize(size.width, size.height); }

inline design::PixelSize toPixelSize(const QSize& size) {
    return design::PixelSize{size.width(), size.height()};
}

inline presenter::FrameMargins toFrameMargins(const QMargins& margins) {
    return presenter::FrameMargins{margins.left(), margins.top(), margins.right(),
                                   margins.bottom()};
}

inline QColor toQColor(const design::Rgb& colour) {
    return QColor(colour.red, colour.green, colour.blue);
}

QFont toQFont(const design::Font& font, double scale = 1.0);

// A key press as the window's keys are told apart.
presenter::KeyPress toKeyPress(const QKeyEvent& key);

}  // namespace qt_ui
