#include "win32_ui/window_layout.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace win32_ui {

namespace {

constexpr double kPointsPerInch = 72.0;

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

WindowLayout WindowLayout::fitting(int dotsPerInch, design::PixelSize clientArea) {
    const design::Twips& area = design::mainForm().clientArea;
    const double pixelsPerTwip = design::pixelsPerTwipAt(dotsPerInch);
    const double scale = design::fittingScale(area, clientArea, pixelsPerTwip);
    return WindowLayout(
        dotsPerInch, scale,
        design::centringOffset(clientArea, design::scaledSize(area, scale, pixelsPerTwip)));
}

design::Pixels WindowLayout::scaled(const design::Twips& place) const {
    return design::scaledPlace(place, scale_, pixelsPerTwip_);
}

design::Pixels WindowLayout::designArea() const {
    design::Pixels area = scaled(design::mainForm().clientArea);
    area.left += origin_.x;
    area.top += origin_.y;
    return area;
}

design::Pixels WindowLayout::place(const design::Control& control) const {
    design::Pixels pixels = scaled(control.place);
    if (control.insideFrame) {
        const design::Pixels frameOrigin = scaled(frame().place);
        pixels.left += frameOrigin.left;
        pixels.top += frameOrigin.top;
    }
    pixels.left += origin_.x;
    pixels.top += origin_.y;
    return pixels;
}

int WindowLayout::fontHeight(const design::Font& font) const {
    const double dotsPerInch = pixelsPerTwip_ * design::kTwipsPerInch;
    return static_cast<int>(
        std::lround(design::scaledPoints(font.points, scale_) * dotsPerInch / kPointsPerInch));
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
