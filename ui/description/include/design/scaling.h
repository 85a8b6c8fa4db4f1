#pragma once

#include <array>
#include <optional>

#include "design/units.h"

// Enlarging the window for a projector or an interactive whiteboard. The design scales as one
// picture: every place in twips and the font size are multiplied by one scale, and the design is
// centred in the window's client area, with the window's background colour in the margin.
//
// What a front-end does with it:
//  - Whenever its client area changes size (a drag of the border, maximising, full screen), it
//    shows the design at fittingScale() of that area: the design's client area at scaledSize(),
//    placed at centringOffset(); each control at scaledPlace() within it; the font at
//    scaledPoints(). Controls are clipped to the design's client area, so the list strip still
//    runs off the design's bottom edge, not the window's.
//  - On a zoom key (Ctrl+Plus, Ctrl+Minus, Ctrl+0) it asks zoomedScale() for the next scale; when
//    there is one, it leaves full screen or maximised and sizes its client area to scaledSize()
//    at that scale, which shows the design at exactly that scale. The window keeps its centre
//    (from full screen or maximised, the one it had before) and moves only as far as it must to
//    stay on the screen: keptOnScreen().
//  - F11 switches full screen on and off; Esc also leaves it.
//  - Its window can be made no smaller than the design at scale 1.
//
// At scale 1 everything is exactly as designed, to the pixel. Pixel sizes are at 96 dots per inch
// unless a front-end passes its own pixels per twip (see pixelsPerTwipAt()).
namespace design {

struct PixelSize {
    int width = 0;
    int height = 0;

    friend constexpr bool operator==(const PixelSize&, const PixelSize&) = default;
};

struct PixelOffset {
    int x = 0;
    int y = 0;

    friend constexpr bool operator==(const PixelOffset&, const PixelOffset&) = default;
};

// The steps of the zoom keys, in per cent, smallest first. The first is the design's own size.
inline constexpr std::array<int, 6> kZoomStepsPercent{100, 125, 150, 200, 250, 300};

// A control's place at a scale: each edge rounded on its own, as toPixels() does.
constexpr Pixels scaledPlace(const Twips& place, double scale,
                             double pixelsPerTwip = kPixelsPerTwipAt96Dpi) {
    return toPixels(place, pixelsPerTwip * scale);
}

// The size of an area, such as the design's client area, at a scale.
constexpr PixelSize scaledSize(const Twips& area, double scale,
                               double pixelsPerTwip = kPixelsPerTwipAt96Dpi) {
    const Pixels pixels = scaledPlace(area, scale, pixelsPerTwip);
    return PixelSize{pixels.width, pixels.height};
}

// A font size at a scale, in points; fractional, so that the text keeps its proportions.
constexpr double scaledPoints(int points, double scale) { return points * scale; }

// The largest scale at which an area of the given twips fits into the available pixels with its
// aspect ratio kept; exactly the step for scaledSize() of a zoom step. 0 when either is empty.
double fittingScale(const Twips& area, PixelSize available,
                    double pixelsPerTwip = kPixelsPerTwipAt96Dpi);

// Where an area that fits into the available one goes so that it is centred: the margins on
// either side differ by at most a pixel, the larger one right or below.
constexpr PixelOffset centringOffset(PixelSize available, PixelSize area) {
    return PixelOffset{(available.width - area.width) / 2, (available.height - area.height) / 2};
}

enum class ZoomKey {
    In,     // Ctrl+Plus
    Out,    // Ctrl+Minus
    Reset,  // Ctrl+0
};

// A scale within this of a step counts as that step: a window a pixel or two off a step's size,
// as a drag may leave it, does not take a step of a pixel or two.
inline constexpr double kScaleTolerance = 0.005;

// The scale a zoom key asks for when the design is shown at `scale` and the window would fit the
// screen at `largest` at most: In gives the next step above, Out the next step below, neither
// larger than `largest`; Reset gives 1. Nothing when there is no such step: the window stays as
// it is, even when full screen or maximised.
std::optional<double> zoomedScale(ZoomKey key, double scale, double largest);

// Where a window goes when a zoom step gives it a new size: its centre kept, then moved only as far
// as it must to lie on the screen (the screen's work area). A window larger than the screen sits at
// the screen's top left corner, so that its title bar stays within reach.
Pixels keptOnScreen(const Pixels& window, PixelSize size, const Pixels& screen);

}  // namespace design
