#pragma once

#include <optional>

#include "design/scaling.h"
#include "design/units.h"

// The desktop window's size and place for a projector, worked out once for every toolkit: where
// the design goes in the window, how small the window may be, the zoom steps and the frame
// remembered across full screen. A front-end reports its window's geometry, applies what comes
// back, and does no arithmetic of its own.
//
// Units: every number is in the front-end's own pixels, in the screen's coordinates, and
// `pixelsPerTwip` says how many of them a twip of the design covers. Qt gives logical pixels,
// also on a screen scaled by a fraction (pixelsPerTwip is then 1/15); Win32 gives physical ones
// (pixelsPerTwip is the window's DPI / 1440). A frame is the window's outer rectangle, its title
// bar and borders included; the client area is what lies inside it, where the design is shown.
namespace presenter {

// The widths of a window's frame around its client area.
struct FrameMargins {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    friend constexpr bool operator==(const FrameMargins&, const FrameMargins&) = default;
};

// Where the design goes in a client area, from the client area's top left corner.
struct DesignPlacement {
    double scale = 0.0;
    design::Pixels area;

    friend constexpr bool operator==(const DesignPlacement&, const DesignPlacement&) = default;
};

// What a front-end knows of its window when a zoom key asks for a step.
struct WindowGeometry {
    // The client area as it is, or, while maximised or full screen, as it comes back when the
    // window is restored.
    design::Pixels normalClient;
    // The frame's margins now: none while full screen.
    FrameMargins margins;
    // The screen's work area: the screen less the task bars and panels.
    design::Pixels workArea;
};

// Where a zoom step puts the window: its frame, and the client area inside it.
struct ZoomedWindow {
    design::Pixels frame;
    design::PixelSize client;

    friend constexpr bool operator==(const ZoomedWindow&, const ZoomedWindow&) = default;
};

// The size of a frame around a client area of the given size.
design::PixelSize framedSize(design::PixelSize client, FrameMargins margins);

class WindowSizing {
public:
    explicit WindowSizing(double pixelsPerTwip = design::kPixelsPerTwipAt96Dpi)
        : pixelsPerTwip_(pixelsPerTwip) {}

    // The design as large as a client area of the given size holds it, centred there (see
    // design::fittingScale); nothing for an empty area, such as a minimised window's.
    std::optional<DesignPlacement> fit(design::PixelSize client) const;

    // The least size of the window: the design at scale 1, and that inside frame margins of the
    // given widths.
    design::PixelSize leastClientSize() const;
    design::PixelSize leastFrameSize(FrameMargins margins) const;

    // The window went full screen, with these frame margins before: a zoom step that leaves full
    // screen sizes the window for them again.
    void enterFullScreen(FrameMargins margins);
    void leaveFullScreen() { fullScreen_ = false; }
    bool isFullScreen() const { return fullScreen_; }

    // Where a zoom key puts a window that shows the design at `scale`: the window is to be
    // restored (neither maximised nor full screen) and its frame set to this place and size. It
    // keeps the centre of its normal frame and moves only as far as it must to stay on the work
    // area (design::keptOnScreen). Nothing when the key has no step to take: the window then stays
    // as it is, full screen or maximised too.
    std::optional<ZoomedWindow> zoomed(design::ZoomKey key, double scale,
                                       const WindowGeometry& window) const;

    // The client area a window that shows the design at `scale` keeps when its DPI changes from
    // the sizing's to `newPixelsPerTwip` (Win32): a window that shows the design without
    // margins shows it at the same scale, exactly; any other keeps its size in inches.
    design::PixelSize clientAtDensity(design::PixelSize client, double scale,
                                      double newPixelsPerTwip) const;
    // The window's DPI changed: these are the sizing's units from now on.
    void setPixelsPerTwip(double pixelsPerTwip) { pixelsPerTwip_ = pixelsPerTwip; }

private:
    // The margins of the frame when it is not full screen.
    FrameMargins normalMargins(FrameMargins now) const;
    // The largest scale of the design in a window that is neither maximised nor full screen, on
    // the given work area.
    double largestWindowedScale(const WindowGeometry& window) const;

    double pixelsPerTwip_;
    bool fullScreen_ = false;
    FrameMargins marginsBeforeFullScreen_;
};

}  // namespace presenter
