#include "page_rules/window_fit.h"

namespace page_rules {

using design::PixelSize;

WindowFit fitWindow(const design::Twips& clientArea, PixelSize viewport, bool fillingScreen) {
    if (fillingScreen) {
        const double scale = design::fittingScale(clientArea, viewport);
        if (scale > 0.0) {
            return {scale, design::centringOffset(viewport, design::scaledSize(clientArea, scale))};
        }
    }
    // Fitting the viewport's width and the design's own height never enlarges the design.
    const PixelSize designed = design::scaledSize(clientArea, 1.0);
    const double scale = design::fittingScale(clientArea, {viewport.width, designed.height});
    // A viewport of no size, as in a hidden frame, shows nothing whatever the scale.
    return {scale > 0.0 ? scale : 1.0, std::nullopt};
}

}  // namespace page_rules
