#include "design/scaling.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>

#include "design/main_form_design.h"

namespace design {

void PrintTo(const Pixels& place, std::ostream* out) {
    *out << place.width << " x " << place.height << " at (" << place.left << ", " << place.top
         << ")";
}

void PrintTo(const PixelOffset& offset, std::ostream* out) {
    *out << "(" << offset.x << ", " << offset.y << ")";
}

namespace {

const Twips& clientArea() { return mainForm().clientArea; }

// A window sized for a zoom step shows exactly that step, on a screen of any density: a scale a
// hair off would move controls by a pixel against the step's own places.
struct StepRow {
    int dotsPerInch;
    int percent;
};

void PrintTo(const StepRow& row, std::ostream* out) {
    *out << row.percent << " % at " << row.dotsPerInch << " dpi";
}

class ZoomStepSizeTest : public ::testing::TestWithParam<StepRow> {};

TEST_P(ZoomStepSizeTest, ShowsExactlyTheStep) {
    const double pixelsPerTwip = pixelsPerTwipAt(GetParam().dotsPerInch);
    const double step = GetParam().percent / 100.0;
    const PixelSize window = scaledSize(clientArea(), step, pixelsPerTwip);
    EXPECT_EQ(fittingScale(clientArea(), window, pixelsPerTwip), step);
    EXPECT_EQ(centringOffset(window, scaledSize(clientArea(), step, pixelsPerTwip)), PixelOffset{});
}

std::vector<StepRow> everyStepAt(std::initializer_list<int> densities) {
    std::vector<StepRow> rows;
    for (const int dotsPerInch : densities) {
        for (const int percent : kZoomStepsPercent) {
            rows.push_back({dotsPerInch, percent});
        }
    }
    return rows;
}

INSTANTIATE_TEST_SUITE_P(Steps, ZoomStepSizeTest,
                         ::testing::ValuesIn(everyStepAt({96, 120, 144, 168, 192})));

// A window the user sized: the largest scale that fits, and the design centred in the rest.
struct FitRow {
    const char* what;
    PixelSize window;
    double scale;
    PixelOffset offset;
};

void PrintTo(const FitRow& row, std::ostream* out) { *out << row.what; }

class FittingScaleTest : public ::testing::TestWithParam<FitRow> {};

TEST_P(FittingScaleTest, FitsAndCentres) {
    const FitRow& row = GetParam();
    const double scale = fittingScale(clientArea(), row.window);
    EXPECT_DOUBLE_EQ(scale, row.scale);
    EXPECT_EQ(centringOffset(row.window, scaledSize(clientArea(), scale)), row.offset);
}

INSTANTIATE_TEST_SUITE_P(
    Windows, FittingScaleTest,
    ::testing::Values(FitRow{"wide: margins left and right", {1398, 648}, 2.0, {233, 0}},
                      FitRow{"tall: margins above and below", {932, 1000}, 2.0, {0, 176}},
                      FitRow{"odd margin: the larger one right", {935, 648}, 2.0, {1, 0}},
                      // A frameless full screen: the height limits it.
                      FitRow{"1920 x 1080", {1920, 1080}, 1080.0 / 324, {183, 0}},
                      FitRow{"taller than wide", {768, 1366}, 768.0 / 466, {0, 416}},
                      FitRow{"narrower than designed", {233, 324}, 0.5, {0, 81}},
                      FitRow{"no width", {0, 324}, 0.0, {0, 162}}));

// The zoom keys step like a browser's, from wherever a drag left the window, and take no step the
// screen cannot hold.
struct ZoomRow {
    const char* what;
    ZoomKey key;
    double scale;
    double largest;
    std::optional<double> zoomed;
};

void PrintTo(const ZoomRow& row, std::ostream* out) { *out << row.what; }

class ZoomedScaleTest : public ::testing::TestWithParam<ZoomRow> {};

TEST_P(ZoomedScaleTest, StepsWithinTheLimits) {
    const ZoomRow& row = GetParam();
    EXPECT_EQ(zoomedScale(row.key, row.scale, row.largest), row.zoomed);
}

constexpr double kRoomy = 4.0;  // a screen that holds every step

INSTANTIATE_TEST_SUITE_P(
    Keys, ZoomedScaleTest,
    ::testing::Values(
        ZoomRow{"in from the design", ZoomKey::In, 1.0, kRoomy, 1.25},
        ZoomRow{"in at the largest step", ZoomKey::In, 3.0, kRoomy, std::nullopt},
        ZoomRow{"in from between steps", ZoomKey::In, 1.37, kRoomy, 1.5},
        ZoomRow{"in from a pixel short of a step", ZoomKey::In, 1.497, kRoomy, 2.0},
        ZoomRow{"in from full screen, beyond every step", ZoomKey::In, 3.33, kRoomy, std::nullopt},
        ZoomRow{"in beyond what the screen holds", ZoomKey::In, 2.0, 2.37, std::nullopt},
        ZoomRow{"in to exactly what the screen holds", ZoomKey::In, 2.0, 2.5, 2.5},
        ZoomRow{"out from 125 %", ZoomKey::Out, 1.25, kRoomy, 1.0},
        ZoomRow{"out at the design", ZoomKey::Out, 1.0, kRoomy, std::nullopt},
        ZoomRow{"out from between steps", ZoomKey::Out, 1.37, kRoomy, 1.25},
        ZoomRow{"out from a pixel past a step", ZoomKey::Out, 1.503, kRoomy, 1.25},
        ZoomRow{"out from full screen, to what a window holds", ZoomKey::Out, 3.33, 2.37, 2.0},
        ZoomRow{"out on a screen smaller than the design", ZoomKey::Out, 1.0, 0.8, std::nullopt},
        ZoomRow{"reset", ZoomKey::Reset, 3.0, kRoomy, 1.0}));

// A zoom step grows or shrinks the window about its centre and keeps it on the screen.
struct PlaceRow {
    const char* what;
    Pixels window;
    PixelSize size;
    Pixels expected;
};

void PrintTo(const PlaceRow& row, std::ostream* out) { *out << row.what; }

class KeptOnScreenTest : public ::testing::TestWithParam<PlaceRow> {};

TEST_P(KeptOnScreenTest, KeepsTheCentreWithinTheScreen) {
    const PlaceRow& row = GetParam();
    EXPECT_EQ(keptOnScreen(row.window, row.size, Pixels{0, 0, 1920, 1040}), row.expected);
}

// {window's left, top, width, height}, {new width, height}, {where it goes}
INSTANTIATE_TEST_SUITE_P(
    Windows, KeptOnScreenTest,
    ::testing::Values(
        PlaceRow{"grows about its centre", {500, 300, 466, 324}, {583, 405}, {442, 260, 583, 405}},
        PlaceRow{
            "shrinks back to where it was", {442, 260, 583, 405}, {466, 324}, {500, 300, 466, 324}},
        PlaceRow{"near the bottom right corner: moves in",
                 {1700, 900, 200, 100},
                 {932, 648},
                 {988, 392, 932, 648}},
        PlaceRow{"off the screen's top left: moves in",
                 {-50, -20, 466, 324},
                 {466, 324},
                 {0, 0, 466, 324}},
        PlaceRow{"larger than the screen: at its top left",
                 {100, 100, 932, 648},
                 {2000, 1100},
                 {0, 0, 2000, 1100}}));

}  // namespace
}  // namespace design
