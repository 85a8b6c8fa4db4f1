#include "design/scaling.h"

#include <algorithm>

namespace design {

namespace {

constexpr double stepScale(int percent) { return percent / 100.0; }

// One edge of keptOnScreen(): the start of a length that replaces another, about its centre, then
// kept between the screen's edges as far as it fits.
int keptStart(int start, int length, int newLength, int screenStart, int screenLength) {
    // The odd pixel of an odd difference is the right or bottom edge's, growing and shrinking
    // alike, so that a step in and a step out bring the window back where it was.
    const int centred = start + (length - newLength) / 2;
    return std::max(std::min(centred, screenStart + screenLength - newLength), screenStart);
}

}  // namespace

double fittingScale(const Twips& area, PixelSize available, double pixelsPerTwip) {
    if (area.width <= 0 || area.height <= 0 || available.width <= 0 || available.height <= 0) {
        return 0.0;
    }
    // Rounding the size may leave it a fraction of a pixel short of a step, so that the window
    // a zoom key sized would otherwise show a hair less than the step it asked for.
    for (const int percent : kZoomStepsPercent) {
        if (scaledSize(area, stepScale(percent), pixelsPerTwip) == available) {
            return stepScale(percent);
        }
    }
    return std::min(available.width / (area.width * pixelsPerTwip),
                    available.height / (area.height * pixelsPerTwip));
}

std::optional<double> zoomedScale(ZoomKey key, double scale, double largest) {
    std::optional<double> zoomed;
    switch (key) {
        case ZoomKey::Reset:
            zoomed = 1.0;
            break;
        case ZoomKey::In:
            // The first step above, the steps being in ascending order.
            for (const int percent : kZoomStepsPercent) {
                const double step = stepScale(percent);
                if (step > scale + kScaleTolerance && step <= largest) {
                    zoomed = step;
                    break;
                }
            }
            break;
        case ZoomKey::Out:
            // The last step below.
            for (const int percent : kZoomStepsPercent) {
                const double step = stepScale(percent);
                if (step < scale - kScaleTolerance && step <= largest) {
                    zoomed = step;
                }
            }
            break;
    }
    return zoomed;
}

Pixels keptOnScreen(const Pixels& window, PixelSize size, const Pixels& screen) {
    return Pixels{keptStart(window.left, window.width, size.width, screen.left, screen.width),
                  keptStart(window.top, window.height, size.height, screen.top, screen.height),
                  size.width, size.height};
}

}  // namespace design
