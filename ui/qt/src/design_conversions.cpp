#include "design_conversions.h"

#include <QKeyEvent>

#include "design/main_form_design.h"
#include "presenter/window_keys.h"

namespace qt_ui {

QFont toQFont(const design::Font& font, double scale) {
    QFont qtFont(toQString(font.family));
    qtFont.setPointSizeF(design::scaledPoints(font.points, scale));
    // Where the family is missing, a metric-compatible serif stands in (Liberation Serif for
    // Times New Roman); fontconfig picks one that covers Cyrillic for the texts it shows.
    qtFont.setStyleHint(QFont::Serif);
    return qtFont;
}

presenter::KeyPress toKeyPress(const QKeyEvent& key) {
    presenter::KeyPress press;
    switch (key.key()) {
        case Qt::Key_Plus:
            press.key = presenter::Key::Plus;
            break;
        case Qt::Key_Equal:
            press.key = presenter::Key::Equal;
            break;
        case Qt::Key_Minus:
            press.key = presenter::Key::Minus;
            break;
        case Qt::Key_0:
            press.key = presenter::Key::Zero;
            break;
        case Qt::Key_F11:
            press.key = presenter::Key::F11;
            break;
        case Qt::Key_Escape:
            press.key = presenter::Key::Escape;
            break;
        default:
            break;
    }
    press.control = key.modifiers().testFlag(Qt::ControlModifier);
    press.alt = key.modifiers().testFlag(Qt::AltModifier);
    press.autoRepeat = key.isAutoRepeat();
    return press;
}

}  // namespace qt_ui
