#pragma once

#include <optional>

#include "design/scaling.h"
#include "design/units.h"

// Where and how large the page shows the window in the browser's viewport, in CSS pixels.
//  - At the page's normal size the window is as designed, and the browser's own zoom (Ctrl+Plus,
//    Ctrl+Minus, Ctrl+0) enlarges it as it does any page.
//  - In full screen (F11, the Fullscreen API, an installed app shown full screen) it fills the
//    screen as one picture: the largest scale that fits, centred, as a desktop window shows it.
//  - A viewport narrower than the design, as on a phone, shows it shrunk to the viewport's width,
//    so that no control lies out of reach past the sides. Its height may still run past the
//    viewport's: pages scroll down, not sideways.
namespace page_rules {

struct WindowFit {
    double scale = 1.0;
    // The window's top left in the viewport, in full screen; elsewhere the page's flow places it.
    std::optional<design::PixelOffset> offset{};

    friend bool operator==(const WindowFit&, const WindowFit&) = default;
};

WindowFit fitWindow(const design::Twips& clientArea, design::PixelSize viewport,
                    bool fillingScreen);

}  // namespace page_rules
