#include "design/window_layout.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace design {

namespace {

constexpr double kPointsPerInch = 72.0;

const Control& frame() {
    for (const Control& control : mainForm().controls) {
        if (control.kind == ControlKind::Frame) {
            return control;
        }
    }
    throw std::logic_error("the window has no frame");
}

bool overlap(const Pixels& a, const Pixels& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

Pixels intersection(const Pixels& a, const Pixels& b) {
    const int left = std::max(a.left, b.left);
    const int top = std::max(a.top, b.top);
    const int right = std::min(a.left + a.width, b.left + b.width);
    const int bottom = std::min(a.top + a.height, b.top + b.height);
    return {left, top, right - left, bottom - top};
}

}  // namespace

Pixels WindowLayout::scaled(const Twips& place) const {
    return scaledPlace(place, scale_, pixelsPerTwip_);
}

Pixels WindowLayout::designArea() const {
    Pixels area = scaled(mainForm().clientArea);
    area.left += origin_.x;
    area.top += origin_.y;
    return area;
}

Pixels WindowLayout::place(const Control& control) const {
    Pixels pixels = scaled(control.place);
    if (control.insideFrame) {
        const Pixels frameOrigin = scaled(frame().place);
        pixels.left += frameOrigin.left;
        pixels.top += frameOrigin.top;
    }
    pixels.left += origin_.x;
    pixels.top += origin_.y;
    return pixels;
}

int WindowLayout::fontHeight(const Font& font) const {
    const double dotsPerInch = pixelsPerTwip_ * kTwipsPerInch;
    return static_cast<int>(
        std::lround(scaledPoints(font.points, scale_) * dotsPerInch / kPointsPerInch));
}

std::vector<Pixels> WindowLayout::coveredParts(std::size_t controlIndex) const {
    const auto& controls = mainForm().controls;
    const Pixels below = place(controls.at(controlIndex));
    std::vector<Pixels> covered;
    for (std::size_t above = controlIndex + 1; above < controls.size(); ++above) {
        const Pixels cover = place(controls[above]);
        if (overlap(below, cover)) {
            covered.push_back(intersection(below, cover));
        }
    }
    return covered;
}

}  // namespace design
