// Where the page shows the window: filling the screen only in full screen, never larger
// elsewhere, and no wider than a phone.

#include "page_rules/window_fit.h"

#include <gtest/gtest.h>

#include <optional>

#include "design/main_form_design.h"

namespace page_rules {
namespace {

using design::mainForm;
using design::PixelOffset;
using design::PixelSize;

struct FitRow {
    const char* what;
    PixelSize viewport;
    bool fillingScreen;
    double scale;
    std::optional<PixelOffset> offset;
};

TEST(WindowFitTest, FillsTheScreenOnlyInFullScreen) {
    for (const FitRow& row : {
             // 1553 × 1080 at 1080 / 324, centred across.
             FitRow{"a 1920 × 1080 screen", {1920, 1080}, true, 1080.0 / 324, PixelOffset{183, 0}},
             FitRow{"a browser window", {1920, 960}, false, 1.0, std::nullopt},
             FitRow{"a window lower than the design", {800, 200}, false, 1.0, std::nullopt},
             FitRow{"a phone", {360, 740}, false, 360.0 / 466, std::nullopt},
             FitRow{"a hidden frame", {0, 0}, false, 1.0, std::nullopt},
             FitRow{"a hidden frame full screen", {0, 0}, true, 1.0, std::nullopt},
         }) {
        const WindowFit fit = fitWindow(mainForm().clientArea, row.viewport, row.fillingScreen);
        EXPECT_DOUBLE_EQ(fit.scale, row.scale) << row.what;
        EXPECT_EQ(fit.offset, row.offset) << row.what;
    }
}

}  // namespace
}  // namespace page_rules
