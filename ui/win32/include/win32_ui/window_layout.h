#pragma once

#include <cstddef>
#include <vector>

#include "design/main_form_design.h"
#include "design/units.h"

namespace win32_ui {

// The window's description in pixels at one scale, the number of pixels a twip covers: the
// window's DPI sets it (design::pixelsPerTwipAt), and every place and the font follow from it.
class WindowLayout {
public:
    explicit WindowLayout(double pixelsPerTwip) : pixelsPerTwip_(pixelsPerTwip) {}
    static WindowLayout atDpi(int dotsPerInch);

    double pixelsPerTwip() const { return pixelsPerTwip_; }
    design::Pixels clientArea() const;
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
    double pixelsPerTwip_;
};

}  // namespace win32_ui
