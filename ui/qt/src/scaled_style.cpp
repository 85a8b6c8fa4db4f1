#include "scaled_style.h"

#include <QStyleFactory>
#include <cmath>

namespace qt_ui {

ScaledStyle::ScaledStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

int ScaledStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                             const QWidget* widget) const {
    const int designed = QProxyStyle::pixelMetric(metric, option, widget);
    switch (metric) {
        case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight:
        case PM_RadioButtonLabelSpacing:
        case PM_ScrollBarExtent:
        case PM_ScrollBarSliderMin:
            return static_cast<int>(std::lround(designed * scale_));
        default:
            return designed;
    }
}

}  // namespace qt_ui
