#include "button_face_style.h"

#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>

namespace qt_ui {

ButtonFaceStyle::ButtonFaceStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

void ButtonFaceStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                    QPainter* painter, const QWidget* widget) const {
    if (element != PE_PanelButtonCommand) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    const bool pressed = option->state & (State_Sunken | State_On);
    const QColor face = option->palette.color(QPalette::Button);
    const QRectF outline = QRectF(option->rect).adjusted(0.5, 0.5, -0.5, -0.5);
    constexpr qreal kCornerRadius = 2.0;

    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, true);
    painter->setPen(face.darker(pressed ? 200 : 160));
    painter->setBrush(pressed ? face.darker(110) : face);
    painter->drawRoundedRect(outline, kCornerRadius, kCornerRadius);
    if (option->state & State_HasFocus && option->state & State_KeyboardFocusChange) {
        painter->setPen(option->palette.color(QPalette::Highlight));
        painter->setBrush(Qt::NoBrush);
        painter->drawRoundedRect(outline.adjusted(1, 1, -1, -1), kCornerRadius, kCornerRadius);
    }
    painter->restore();
}

void ButtonFaceStyle::drawItemText(QPainter* painter, const QRect& rect, int flags,
                                   const QPalette& palette, bool enabled, const QString& text,
                                   QPalette::ColorRole textRole) const {
    if (enabled) {
        QProxyStyle::drawItemText(painter, rect, flags, palette, enabled, text, textRole);
        return;
    }
    // Engraved: a light copy one pixel down and right, the grey caption over it.
    QPalette engraved = palette;
    engraved.setColor(QPalette::ButtonText, Qt::white);
    QProxyStyle::drawItemText(painter, rect.translated(1, 1), flags, engraved, true, text,
                              QPalette::ButtonText);
    engraved.setColor(QPalette::ButtonText, Qt::darkGray);
    QProxyStyle::drawItemText(painter, rect, flags, engraved, true, text, QPalette::ButtonText);
}

}  // namespace qt_ui
