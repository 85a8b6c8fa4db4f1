#include "design/window_fit.h"

namespace design {

WindowFit fitWindow(const Twips& clientArea, PixelSize viewport, bool fillingScreen) {
    if (fillingScreen) {
        const double scale = fittingScale(clientArea, viewport);
        if (scale > 0.0) {
            return {scale, centringOffset(viewport, scaledSize(clientArea, scale))};
        }
    }
    // Fitting the viewport's width and the design's own height never enlarges the design.
    const PixelSize designed = scaledSize(clientArea, 1.0);
    const double scale = fittingScale(clientArea, {viewport.width, designed.height});
    // A viewport of no size, as in a hidden frame, shows nothing whatever the scale.
    return {scale > 0.0 ? scale : 1.0, std::nullopt};
}

}  // namespace design
