// The window as the browser lays it out: places, clipping and stacking as described.

#include <gtest/gtest.h>

#include <string>

#include "design/main_form_design.h"
#include "page_fixture.h"
#include "web_ui/style_sheet.h"

namespace web_ui {
namespace {

using emscripten::val;

class PageWindowTest : public ::testing::Test, protected testing::PageHarness {
protected:
    val element(const design::ControlId& id) {
        return page_.window.call<val>("querySelector", "#" + elementId(id));
    }

    // The element at a point given in twips from the window's top left, or null.
    val elementAt(int leftTwips, int topTwips) {
        const val window = page_.window.call<val>("getBoundingClientRect");
        const double x = window["left"].as<double>() + leftTwips * design::kPixelsPerTwipAt96Dpi;
        const double y = window["top"].as<double>() + topTwips * design::kPixelsPerTwipAt96Dpi;
        return testing::document().call<val>("elementFromPoint", x, y);
    }

    std::string idAt(int leftTwips, int topTwips) {
        val found = elementAt(leftTwips, topTwips);
        // A list's option, a button's text or an option's input stands for its control.
        while (!found.isNull() && found["id"].as<std::string>().empty()) {
            found = found["parentElement"];
        }
        return found.isNull() ? std::string("nothing") : found["id"].as<std::string>();
    }
};

// Every control sits where the description puts it, in CSS pixels at 15 twips each, measured
// from the window's top left, or from the frame's for the option buttons.
TEST_F(PageWindowTest, ControlsSitWhereTheDescriptionPutsThem) {
    const design::WindowDesign& window = design::mainForm();
    const val windowBox = page_.window.call<val>("getBoundingClientRect");
    EXPECT_EQ(windowBox["width"].as<double>(), design::toPixels(window.clientArea).width);
    EXPECT_EQ(windowBox["height"].as<double>(), design::toPixels(window.clientArea).height);
    const design::Twips frame = design::control({"Frame1"}).place;
    for (const design::Control& control : window.controls) {
        design::Twips place = control.place;
        if (control.insideFrame) {
            place.left += frame.left;
            place.top += frame.top;
        }
        const design::Pixels expected = design::toPixels(place);
        const val box = element(control.id).call<val>("getBoundingClientRect");
        const std::string name = elementId(control.id);
        EXPECT_EQ(box["left"].as<double>() - windowBox["left"].as<double>(), expected.left) << name;
        EXPECT_EQ(box["top"].as<double>() - windowBox["top"].as<double>(), expected.top) << name;
        EXPECT_EQ(box["width"].as<double>(), expected.width) << name;
        EXPECT_EQ(box["height"].as<double>(), expected.height) << name;
    }
}

// The window clips what lies past its edges, as a window does: the list strip runs off its
// bottom edge, and List1(16) off its right edge.
TEST_F(PageWindowTest, WindowClipsTheListStripAtItsEdges) {
    EXPECT_EQ(idAt(600, 4800), "List1_0");
    EXPECT_NE(idAt(600, 4900), "List1_0");
    EXPECT_EQ(idAt(6975, 4800), "List1_16");
    EXPECT_NE(idAt(7005, 4800), "List1_16");
}

struct StackingRow {
    int left;
    int top;
    const char* onTop;
};

// Later controls of the description lie over earlier ones: each list over the one before it,
// the strip over the transcript's bottom edge.
TEST_F(PageWindowTest, LaterControlsLieOverEarlierOnes) {
    for (const StackingRow& row :
         {StackingRow{2000, 4700, "List1_2"}, StackingRow{1300, 4700, "List1_0"},
          StackingRow{1500, 4500, "List1_1"}, StackingRow{5600, 4700, "List1_12"},
          StackingRow{3000, 4000, "Text1_0"}, StackingRow{900, 900, "Option1_0"}}) {
        EXPECT_EQ(idAt(row.left, row.top), row.onTop) << row.left << ", " << row.top;
    }
}

}  // namespace
}  // namespace web_ui
