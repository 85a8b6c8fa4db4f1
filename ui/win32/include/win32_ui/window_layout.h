#pragma once

#include <cstddef>
#include <vector>

#include "design/main_form_design.h"
#include "design/scaling.h"
#include "design/units.h"

namespace win32_ui {

// The window's description in pixels: at the window's DPI (design::pixelsPerTwipAt), enlarged by
// a scale on top of it, and placed at an origin in the client area, where the design is centred.
// Every place and the font follow from these three.
class WindowLayout {
public:
    WindowLayout(int dotsPerInch, double scale, design::PixelOffset origin)
        : pixelsPerTwip_(design::pixelsPerTwipAt(dotsPerInch)), scale_(scale), origin_(origin) {}
    // The design at scale 1, filling the client area it was made for.
    static WindowLayout atDpi(int dotsPerInch) { return WindowLayout(dotsPerInch, 1.0, {}); }
    // The design as large as a client area of the given size holds it, centred there.
    static WindowLayout fitting(int dotsPerInch, design::PixelSize clientArea);

    double scale() const { return scale_; }
    // Where the design's client area lies in the window's.
    design::Pixels designArea() const;
    // From the top left of the client area, for a control inside the frame too: Windows makes
    // the option buttons siblings of their group box rather than its children.
    design::Pixels place(const design::Control& control) const;
    // The character height of the font in pixels, as a positive number.
    int fontHeight(const design::Font& font) const;

    // The parts of a control (by its position in the description's stacking order) that
    // controls stacked above it cover. Windows stacks sibling controls in their tab order,
    // which differs from the designed stacking, so each control is clipped to what shows of it.
    std::vector<design::Pixels> coveredParts(std::size_t controlIndex) const;

private:
    design::Pixels scaled(const design::Twips& place) const;

    double pixelsPerTwip_;
    double scale_;
    design::PixelOffset origin_;
};

}  // namespace win32_ui
