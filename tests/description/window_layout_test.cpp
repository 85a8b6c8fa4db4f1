// The window in a window's pixels: every place and the font at the window's DPI and a scale on
// top of it, the design centred in a larger client area, and what of each control shows where
// controls overlap.

#include "design/window_layout.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <stdexcept>
#include <vector>

#include "design/main_form_design.h"

namespace design {
namespace {

std::size_t indexOf(const ControlId& id) {
    const auto& controls = mainForm().controls;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (controls[i].id == id) {
            return i;
        }
    }
    throw std::out_of_range(objectName(id));
}

struct LayoutRow {
    int dotsPerInch;
    double scale;
    PixelOffset origin;
    Pixels frame;
    Pixels optionF;  // Option1(5), placed inside the frame
    Pixels solve;
    int fontHeight;
};

TEST(WindowLayoutTest, PlacesAndFontFollowTheDpiAndTheScale) {
    for (const LayoutRow& row : {
             LayoutRow{96, 1.0, {}, {40, 32, 345, 57}, {296, 56, 41, 19}, {392, 72, 65, 25}, 16},
             LayoutRow{120, 1.0, {}, {50, 40, 431, 71}, {370, 70, 51, 24}, {490, 90, 81, 31}, 20},
             LayoutRow{
                 192, 1.0, {}, {80, 64, 690, 114}, {592, 112, 82, 38}, {784, 144, 130, 50}, 32},
             // Twice the design at 96 dots per inch is the design at 192.
             LayoutRow{
                 96, 2.0, {}, {80, 64, 690, 114}, {592, 112, 82, 38}, {784, 144, 130, 50}, 32},
             // Centred in a larger client area, every place moves by the same offset.
             LayoutRow{
                 96, 1.0, {183, 7}, {223, 39, 345, 57}, {479, 63, 41, 19}, {575, 79, 65, 25}, 16},
         }) {
        const WindowLayout layout(row.dotsPerInch, row.scale, row.origin);
        EXPECT_EQ(layout.place(control({"Frame1"})), row.frame) << row.dotsPerInch;
        EXPECT_EQ(layout.place(control(optionId(5))), row.optionF) << row.dotsPerInch;
        EXPECT_EQ(layout.place(control(commandId(1))), row.solve) << row.dotsPerInch;
        EXPECT_EQ(layout.fontHeight(mainForm().font), row.fontHeight) << row.dotsPerInch;
    }
}

// Only what lies under the controls stacked above a control is covered: each list over the one
// before it, the strip over the transcript's bottom edge.
TEST(WindowLayoutTest, CoveredPartsAreWhatTheControlsAboveOverlap) {
    const WindowLayout layout(96, 1.0, {});
    EXPECT_TRUE(layout.coveredParts(indexOf({"Label1"})).empty());
    EXPECT_TRUE(layout.coveredParts(indexOf(listId(16))).empty()) << "the topmost";
    EXPECT_EQ(layout.coveredParts(indexOf(listId(1))),
              (std::vector<Pixels>{{128, 296, 25, 99}, {152, 296, 1, 99}}));
    const std::vector<Pixels> transcript = layout.coveredParts(indexOf(transcriptId()));
    ASSERT_EQ(transcript.size(), 15u) << "the lists whose tops lie over its bottom edge";
    EXPECT_EQ(transcript.front(), (Pixels{32, 296, 57, 9}));
}

}  // namespace
}  // namespace design
