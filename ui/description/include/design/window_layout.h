#pragma once

#include <cstddef>
#include <vector>

#include "design/main_form_design.h"
#include "design/scaling.h"
#include "design/units.h"

namespace design {

// The window's description in pixels, for a toolkit that places every control itself in pixels of
// the screen (Win32): at the window's DPI (pixelsPerTwipAt), enlarged by a scale on top of it,
// and placed at an origin in the client area, where the design is centred. Every place and the
// font follow from these three.
class WindowLayout {
public:
    WindowLayout(int dotsPerInch, double scale, PixelOffset origin)
        : pixelsPerTwip_(pixelsPerTwipAt(dotsPerInch)), scale_(scale), origin_(origin) {}

    double scale() const { return scale_; }
    // Where the design's client area lies in the window's.
    Pixels designArea() const;
    // From the top left of the client area, for a control inside the frame too: Windows makes
    // the option buttons siblings of their group box rather than its children.
    Pixels place(const Control& control) const;
    // The character height of the font in pixels, as a positive number.
    int fontHeight(const Font& font) const;

    // The parts of a control (by its position in the description's stacking order) that
    // controls stacked above it cover. Windows stacks sibling controls in their tab order,
    // which differs from the designed stacking, so each control is clipped to what shows of it.
    std::vector<Pixels> coveredParts(std::size_t controlIndex) const;

private:
    Pixels scaled(const Twips& place) const;

    double pixelsPerTwip_;
    double scale_;
    PixelOffset origin_;
};

}  // namespace design
