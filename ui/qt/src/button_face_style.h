#pragma once

#include <QProxyStyle>

namespace qt_ui {

// Fusion, except that a push button's face is painted in exactly its palette's button colour
// (Fusion lightens and desaturates it), and a disabled button keeps that face and shows its
// caption engraved in grey, as classic desktop buttons do. Set on the command buttons only.
class ButtonFaceStyle final : public QProxyStyle {
public:
    ButtonFaceStyle();

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawItemText(QPainter* painter, const QRect& rect, int flags, const QPalette& palette,
                      bool enabled, const QString& text,
                      QPalette::ColorRole textRole = QPalette::NoRole) const override;
};

}  // namespace qt_ui
