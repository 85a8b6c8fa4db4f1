// The desktop window's sizing, in one table for every toolkit: the rows are what Qt and Win32
// apply, in their own pixels.

#include "presenter/window_sizing.h"

#include <gtest/gtest.h>

#include <optional>

namespace presenter {
namespace {

using design::Pixels;
using design::PixelSize;
using design::ZoomKey;

constexpr double kAt96Dpi = design::kPixelsPerTwipAt96Dpi;
constexpr double kAt144Dpi = 144.0 / design::kTwipsPerInch;
constexpr Pixels kFullHdWorkArea{0, 0, 1920, 1040};
constexpr FrameMargins kNoFrame{};
constexpr FrameMargins kTitleBar{1, 30, 1, 1};

struct FitRow {
    const char* what;
    double pixelsPerTwip;
    PixelSize client;
    std::optional<DesignPlacement> placement;
};

TEST(WindowSizingTest, FitsTheLargestDesignTheClientAreaHoldsCentred) {
    for (const FitRow& row : {
             FitRow{
                 "the designed size", kAt96Dpi, {466, 324}, DesignPlacement{1.0, {0, 0, 466, 324}}},
             FitRow{"full HD, wider than the design",
                    kAt96Dpi,
                    {1920, 1080},
                    DesignPlacement{1080.0 / 324, {183, 0, 1553, 1080}}},
             FitRow{"taller than the design",
                    kAt96Dpi,
                    {932, 900},
                    DesignPlacement{2.0, {0, 126, 932, 648}}},
             FitRow{"a zoom step's size is exactly that step",
                    192.0 / design::kTwipsPerInch,
                    {1864, 1296},
                    DesignPlacement{2.0, {0, 0, 1864, 1296}}},
             FitRow{"minimised", kAt96Dpi, {0, 0}, std::nullopt},
         }) {
        EXPECT_EQ(WindowSizing(row.pixelsPerTwip).fit(row.client), row.placement) << row.what;
    }
}

struct ZoomRow {
    const char* what;
    double pixelsPerTwip;
    // The margins the frame had when the window went full screen, if it is full screen.
    std::optional<FrameMargins> beforeFullScreen;
    ZoomKey key;
    double scale;
    WindowGeometry window;
    std::optional<ZoomedWindow> zoomed;
};

TEST(WindowSizingTest, AZoomStepSizesTheWindowAboutItsCentreOnTheScreen) {
    for (const ZoomRow& row : {
             // The odd pixel of an odd difference is the right edge's: 100 + (466 - 583) / 2.
             ZoomRow{"in, at x = 100",
                     kAt96Dpi,
                     std::nullopt,
                     ZoomKey::In,
                     1.0,
                     {{100, 100, 466, 324}, kNoFrame, kFullHdWorkArea},
                     ZoomedWindow{{42, 60, 583, 405}, {583, 405}}},
             ZoomRow{"in, framed: the frame keeps its centre",
                     kAt96Dpi,
                     std::nullopt,
                     ZoomKey::In,
                     1.0,
                     {{101, 130, 466, 324}, kTitleBar, kFullHdWorkArea},
                     ZoomedWindow{{42, 60, 585, 436}, {583, 405}}},
             ZoomRow{"in near the corner: moved back onto the work area",
                     kAt96Dpi,
                     std::nullopt,
                     ZoomKey::In,
                     1.5,
                     {{1200, 500, 699, 486}, kNoFrame, kFullHdWorkArea},
                     ZoomedWindow{{988, 392, 932, 648}, {932, 648}}},
             ZoomRow{"the largest step a small work area holds: moved into it",
                     kAt96Dpi,
                     std::nullopt,
                     ZoomKey::In,
                     2.5,
                     {{300, 40, 1165, 810}, kNoFrame, {0, 0, 1400, 1000}},
                     ZoomedWindow{{2, 0, 1398, 972}, {1398, 972}}},
             ZoomRow{"reset from twice",
                     kAt96Dpi,
                     std::nullopt,
                     ZoomKey::Reset,
                     2.0,
                     {{500, 300, 932, 648}, kNoFrame, kFullHdWorkArea},
                     ZoomedWindow{{733, 462, 466, 324}, {466, 324}}},
             ZoomRow{"out at the design: no step",
                     kAt96Dpi,
                     std::nullopt,
                     ZoomKey::Out,
                     1.0,
                     {{0, 0, 466, 324}, kNoFrame, kFullHdWorkArea},
                     std::nullopt},
             ZoomRow{"in beyond what a small screen holds: no step",
                     kAt96Dpi,
                     std::nullopt,
                     ZoomKey::In,
                     2.0,
                     {{0, 0, 932, 648}, kNoFrame, {0, 0, 1024, 738}},
                     std::nullopt},
             ZoomRow{"a pixel off a step, as a drag leaves it: the next step",
                     kAt96Dpi,
                     std::nullopt,
                     ZoomKey::In,
                     584.0 / 466,
                     {{0, 0, 584, 406}, kNoFrame, kFullHdWorkArea},
                     ZoomedWindow{{0, 0, 699, 486}, {699, 486}}},
             // From full screen: the frame it had before comes back, about its old centre.
             ZoomRow{"out of full screen",
                     kAt96Dpi,
                     kTitleBar,
                     ZoomKey::Out,
                     1080.0 / 324,
                     {{101, 130, 466, 324}, kNoFrame, kFullHdWorkArea},
                     ZoomedWindow{{0, 0, 1400, 1003}, {1398, 972}}},
             ZoomRow{"reset from full screen",
                     kAt96Dpi,
                     kTitleBar,
                     ZoomKey::Reset,
                     1080.0 / 324,
                     {{101, 130, 466, 324}, kNoFrame, kFullHdWorkArea},
                     ZoomedWindow{{100, 100, 468, 355}, {466, 324}}},
             ZoomRow{"in at full screen: no larger step, it stays",
                     kAt96Dpi,
                     kTitleBar,
                     ZoomKey::In,
                     1080.0 / 324,
                     {{101, 130, 466, 324}, kNoFrame, kFullHdWorkArea},
                     std::nullopt},
             ZoomRow{"in at 144 dots per inch",
                     kAt144Dpi,
                     std::nullopt,
                     ZoomKey::In,
                     1.0,
                     {{100, 100, 699, 486}, kNoFrame, kFullHdWorkArea},
                     ZoomedWindow{{13, 39, 874, 608}, {874, 608}}},
         }) {
        WindowSizing sizing(row.pixelsPerTwip);
        if (row.beforeFullScreen) {
            sizing.enterFullScreen(*row.beforeFullScreen);
        }
        EXPECT_EQ(sizing.zoomed(row.key, row.scale, row.window), row.zoomed) << row.what;
    }
}

TEST(WindowSizingTest, FullScreenRemembersTheFrameItLeftUntilItEnds) {
    WindowSizing sizing;
    sizing.enterFullScreen(kTitleBar);
    sizing.enterFullScreen(kNoFrame);  // reported again while full screen: the first frame stays
    EXPECT_TRUE(sizing.isFullScreen());
    const WindowGeometry fullScreen{{101, 130, 466, 324}, kNoFrame, kFullHdWorkArea};
    EXPECT_EQ(sizing.zoomed(ZoomKey::Reset, 2.0, fullScreen)->frame, (Pixels{100, 100, 468, 355}));
    sizing.leaveFullScreen();
    EXPECT_FALSE(sizing.isFullScreen());
    EXPECT_EQ(sizing.zoomed(ZoomKey::Reset, 2.0, fullScreen)->frame, (Pixels{101, 130, 466, 324}))
        << "the frame it has now, none";
}

TEST(WindowSizingTest, TheLeastSizeIsTheDesignAtItsOwnSizeInItsFrame) {
    EXPECT_EQ(WindowSizing(kAt96Dpi).leastClientSize(), (PixelSize{466, 324}));
    EXPECT_EQ(WindowSizing(kAt96Dpi).leastFrameSize(kTitleBar), (PixelSize{468, 355}));
    EXPECT_EQ(WindowSizing(kAt144Dpi).leastClientSize(), (PixelSize{699, 486}));
}

struct DensityRow {
    const char* what;
    double from;
    double to;
    PixelSize client;
    double scale;
    PixelSize kept;
};

TEST(WindowSizingTest, ANewDpiKeepsTheDesignsScaleOrTheWindowsInches) {
    for (const DensityRow& row : {
             DensityRow{"the design, 96 to 144", kAt96Dpi, kAt144Dpi, {466, 324}, 1.0, {699, 486}},
             DensityRow{
                 "a zoom step, 144 to 96", kAt144Dpi, kAt96Dpi, {874, 608}, 1.25, {583, 405}},
             DensityRow{
                 "dragged, halves rounded up", kAt96Dpi, kAt144Dpi, {467, 325}, 1.0, {701, 488}},
             DensityRow{"dragged, 144 to 96", kAt144Dpi, kAt96Dpi, {701, 488}, 1.0, {467, 325}},
         }) {
        EXPECT_EQ(WindowSizing(row.from).clientAtDensity(row.client, row.scale, row.to), row.kept)
            << row.what;
    }
}

}  // namespace
}  // namespace presenter
