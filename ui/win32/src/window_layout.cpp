#include "win32_ui/window_layout.h"

#include <algorithm>
#include <stdexcept>

namespace win32_ui {

namespace {

// A font's point is 20 twips.
constexpr int kTwipsPerPoint = 20;

const design::Control& frame() {
    for (const design::Control& control : design::mainForm().controls) {
        if (control.kind == design::ControlKind::Frame) {
            return control;
        }
    }
    throw std::logic_error("the window has no frame");
}

bool overlap(const design::Pixels& a, const design::Pixels& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

design::Pixels intersection(const design::Pixels& a, const design::Pixels& b) {
    const int left = std::max(a.left, b.left);
    const int top = std::max(a.top, b.top);
    const int right = std::min(a.left + a.width, b.left + b.width);
    const int bottom = std::min(a.top + a.height, b.top + b.height);
    return {left, top, right - left, bottom - top};
}

}  // namespace

WindowLayout WindowLayout::atDpi(int dotsPerInch) {
    return WindowLayout(design::pixelsPerTwipAt(dotsPerInch));
}

design::Pixels WindowLayout::clientArea() const {
    return design::toPixels(design::mainForm().clientArea, pixelsPerTwip_);
}

design::Pixels WindowLayout::place(const design::Control& control) const {
    design::Pixels pixels = design::toPixels(control.place, pixelsPerTwip_);
    if (control.insideFrame) {
        const design::Pixels frameOrigin = design::toPixels(frame().place, pixelsPerTwip_);
        pixels.left += frameOrigin.left;
        pixels.top += frameOrigin.top;
    }
    return pixels;
}

int WindowLayout::fontHeight(const design::Font& font) const {
    return design::toPixels(font.points * kTwipsPerPoint, pixelsPerTwip_);
}

std::vector<design::Pixels> WindowLayout::coveredParts(std::size_t controlIndex) const {
    const auto& controls = design::mainForm().controls;
    const design::Pixels below = place(controls.at(controlIndex));
    std::vector<design::Pixels> covered;
    for (std::size_t above = controlIndex + 1; above < controls.size(); ++above) {
        const design::Pixels cover = place(controls[above]);
        if (overlap(below, cover)) {
            covered.push_back(intersection(below, cover));
        }
    }
    return covered;
}

}  // namespace win32_ui
