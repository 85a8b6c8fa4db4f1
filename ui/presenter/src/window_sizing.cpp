#include "presenter/window_sizing.h"

#include <cmath>
#include <cstdint>

#include "design/main_form_design.h"

namespace presenter {

namespace {

const design::Twips& designedClientArea() { return design::mainForm().clientArea; }

int dotsPerInch(double pixelsPerTwip) {
    return static_cast<int>(std::lround(pixelsPerTwip * design::kTwipsPerInch));
}

// A length at one DPI as at another, rounded to the nearest pixel, halves up: Windows' MulDiv.
int atDensity(int length, int fromDotsPerInch, int toDotsPerInch) {
    const std::int64_t scaled = std::int64_t{length} * toDotsPerInch + fromDotsPerInch / 2;
    return static_cast<int>(scaled / fromDotsPerInch);
}

}  // namespace

design::PixelSize framedSize(design::PixelSize client, FrameMargins margins) {
    return {client.width + margins.left + margins.right,
            client.height + margins.top + margins.bottom};
}

std::optional<DesignPlacement> WindowSizing::fit(design::PixelSize client) const {
    const double scale = design::fittingScale(designedClientArea(), client, pixelsPerTwip_);
    if (scale <= 0.0) {
        return std::nullopt;
    }
    const design::PixelSize area = design::scaledSize(designedClientArea(), scale, pixelsPerTwip_);
    const design::PixelOffset offset = design::centringOffset(client, area);
    return DesignPlacement{scale, {offset.x, offset.y, area.width, area.height}};
}

design::PixelSize WindowSizing::leastClientSize() const {
    return design::scaledSize(designedClientArea(), 1.0, pixelsPerTwip_);
}

design::PixelSize WindowSizing::leastFrameSize(FrameMargins margins) const {
    return framedSize(leastClientSize(), margins);
}

void WindowSizing::enterFullScreen(FrameMargins margins) {
    if (!fullScreen_) {
        marginsBeforeFullScreen_ = margins;
        fullScreen_ = true;
    }
}

FrameMargins WindowSizing::normalMargins(FrameMargins now) const {
    return fullScreen_ ? marginsBeforeFullScreen_ : now;
}

double WindowSizing::largestWindowedScale(const WindowGeometry& window) const {
    const FrameMargins margins = normalMargins(window.margins);
    const design::PixelSize available{window.workArea.width - margins.left - margins.right,
                                      window.workArea.height - margins.top - margins.bottom};
    return design::fittingScale(designedClientArea(), available, pixelsPerTwip_);
}

std::optional<ZoomedWindow> WindowSizing::zoomed(design::ZoomKey key, double scale,
                                                 const WindowGeometry& window) const {
    const std::optional<double> zoomedScale =
        design::zoomedScale(key, scale, largestWindowedScale(window));
    if (!zoomedScale) {
        return std::nullopt;
    }
    const FrameMargins margins = normalMargins(window.margins);
    const design::Pixels& client = window.normalClient;
    const design::Pixels normalFrame{client.left - margins.left, client.top - margins.top,
                                     client.width + margins.left + margins.right,
                                     client.height + margins.top + margins.bottom};
    const design::PixelSize zoomedClient =
        design::scaledSize(designedClientArea(), *zoomedScale, pixelsPerTwip_);
    return ZoomedWindow{
        design::keptOnScreen(normalFrame, framedSize(zoomedClient, margins), window.workArea),
        zoomedClient};
}

design::PixelSize WindowSizing::clientAtDensity(design::PixelSize client, double scale,
                                                double newPixelsPerTwip) const {
    const design::Twips& area = designedClientArea();
    if (client == design::scaledSize(area, scale, pixelsPerTwip_)) {
        return design::scaledSize(area, scale, newPixelsPerTwip);
    }
    const int from = dotsPerInch(pixelsPerTwip_);
    const int to = dotsPerInch(newPixelsPerTwip);
    return {atDensity(client.width, from, to), atDensity(client.height, from, to)};
}

}  // namespace presenter
