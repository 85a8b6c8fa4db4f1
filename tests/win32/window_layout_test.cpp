// The window at the scales of classroom screens and projectors: every place and the font follow
// the DPI Windows reports, and the controls stack as designed although Windows stacks them in
// their tab order.

#include <windows.h>

#include <cstdio>
#include <string>

#include "design/main_form_design.h"
#include "window_fixture.h"

namespace {

struct ScaleRow {
    int dotsPerInch;
    int clientWidth;
    int fontHeight;
    RECT frame;    // Frame1
    RECT optionF;  // Option1(5), inside the frame
    RECT solve;    // Command1(1)
};

class WindowAtScale : public WindowTest, public ::testing::WithParamInterface<ScaleRow> {
protected:
    RECT placeInClientArea(HWND control) {
        RECT place;
        GetWindowRect(control, &place);
        MapWindowPoints(nullptr, window_->window(), reinterpret_cast<POINT*>(&place), 2);
        return place;
    }
};

bool sameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

std::string text(const RECT& r) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "(%ld, %ld) - (%ld, %ld)", r.left, r.top, r.right,
                  r.bottom);
    return buffer;
}

// As Windows tells a window that moved to a screen of another DPI.
TEST_P(WindowAtScale, PlacesAndFontFollowTheDpi) {
    const ScaleRow& row = GetParam();
    RECT suggested{0, 0, 100, 100};
    SendMessageW(window_->window(), WM_DPICHANGED, MAKEWPARAM(row.dotsPerInch, row.dotsPerInch),
                 reinterpret_cast<LPARAM>(&suggested));
    // The frame stays drawn at the real DPI when the change is only told, so only the client
    // area's width is exact here; the end-to-end tests check all of it at 100 % and 200 %.
    RECT client;
    GetClientRect(window_->window(), &client);
    EXPECT_EQ(client.right, row.clientWidth);

    EXPECT_TRUE(sameRect(placeInClientArea(control("Frame1")), row.frame))
        << text(placeInClientArea(control("Frame1")));
    EXPECT_TRUE(sameRect(placeInClientArea(control("Option1", 5)), row.optionF))
        << text(placeInClientArea(control("Option1", 5)));
    EXPECT_TRUE(sameRect(placeInClientArea(command(1)), row.solve))
        << text(placeInClientArea(command(1)));

    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(transcriptEdit(), WM_GETFONT, 0, 0)),
               sizeof font, &font);
    EXPECT_EQ(font.lfHeight, -row.fontHeight);
    EXPECT_EQ(std::wstring(font.lfFaceName), L"Times New Roman");
    EXPECT_EQ(font.lfWeight, FW_NORMAL);
    EXPECT_FALSE(font.lfItalic);
    EXPECT_EQ(font.lfCharSet, RUSSIAN_CHARSET);
    EXPECT_EQ(font.lfPitchAndFamily & 0xF0, FF_ROMAN);
}

// 125 % and 200 %, told to a window made at 100 %; the layout's arithmetic at each DPI is the
// description's own test.
INSTANTIATE_TEST_SUITE_P(
    Scales, WindowAtScale,
    ::testing::Values(
        ScaleRow{120, 583, 20, {50, 40, 481, 111}, {370, 70, 421, 94}, {490, 90, 571, 121}},
        ScaleRow{192, 932, 32, {80, 64, 770, 178}, {592, 112, 674, 150}, {784, 144, 914, 194}}));

// Where controls overlap, the one designed to lie above is the one that shows and takes the
// click: each list over the one before it, the lists over the transcript's bottom edge.
struct StackingRow {
    int x;  // in the client area at 96 dots per inch
    int y;
    design::ControlId shown;
};

class DesignedStacking : public WindowTest, public ::testing::WithParamInterface<StackingRow> {};

TEST_P(DesignedStacking, TheUpperControlShows) {
    const StackingRow& row = GetParam();
    const UINT dpi = GetDpiForWindow(window_->window());
    POINT point{MulDiv(row.x, static_cast<int>(dpi), 96), MulDiv(row.y, static_cast<int>(dpi), 96)};
    ClientToScreen(window_->window(), &point);
    EXPECT_EQ(WindowFromPoint(point), window_->control(row.shown))
        << "at (" << row.x << ", " << row.y << ") " << design::objectName(row.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Points, DesignedStacking,
    ::testing::Values(StackingRow{140, 300, {"List1", 2}}, StackingRow{100, 300, {"List1", 1}},
                      StackingRow{340, 318, {"List1", 11}}, StackingRow{165, 300, {"List1", 3}},
                      StackingRow{60, 300, {"List1", 0}}, StackingRow{60, 290, {"Text1", 0}},
                      StackingRow{300, 58, {"Option1", 5}}));

}  // namespace
