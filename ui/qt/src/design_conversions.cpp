#include "design_conversions.h"

#include "design/main_form_design.h"

namespace qt_ui {

QFont toQFont(const design::Font& font, double scale) {
    QFont qtFont(toQString(font.family));
    qtFont.setPointSizeF(design::scaledPoints(font.points, scale));
    // Where the family is missing, a metric-compatible serif stands in (Liberation Serif for
    // Times New Roman); fontconfig picks one that covers Cyrillic for the texts it shows.
    qtFont.setStyleHint(QFont::Serif);
    qtFont.setWeight(font.bold ? QFont::Bold : QFont::Normal);
    qtFont.setItalic(font.italic);
    return qtFont;
}

}  // namespace qt_ui
