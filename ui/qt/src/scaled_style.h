#pragma once

#include <QProxyStyle>

namespace qt_ui {

// Fusion, with the parts it draws at a fixed size inside a control scaled with the window: the
// option buttons' circles, so the marked letter stays as visible as its caption, and the scroll
// bars. Set on those widgets only; after setScale(), send them a QEvent::StyleChange.
class ScaledStyle final : public QProxyStyle {
public:
    ScaledStyle();

    void setScale(double scale) { scale_ = scale; }

    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;

private:
    double scale_ = 1.0;
};

}  // namespace qt_ui
