// The window enlarged for a projector, on a virtual screen of 3840 × 2160: the design scales as
// one picture on top of the DPI, the keys step and switch it, and nothing the user sees or did is
// lost.

#include <windows.h>

#include <cmath>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "design/main_form_design.h"
#include "window_fixture.h"

namespace {

constexpr SIZE kDesigned{466, 324};
constexpr SIZE kScreen{3840, 2160};

// A key with Ctrl (and Alt) held, as win32_test::pressKey gives it to the control with the
// focus; or, repeated, as it comes again while held down.
struct Key {
    WORD virtualKey;
    bool control;
    bool repeated = false;
    bool alt = false;
};

constexpr Key kZoomIn{VK_OEM_PLUS, true};
constexpr Key kZoomOut{VK_OEM_MINUS, true};
constexpr Key kZoomReset{'0', true};
constexpr Key kKeypadZero{VK_NUMPAD0, true};
constexpr Key kAltGrPlus{VK_OEM_PLUS, true, false, true};
constexpr Key kKeypadPlus{VK_ADD, true};
constexpr Key kKeypadMinus{VK_SUBTRACT, true};
constexpr Key kFullScreen{VK_F11, false};
constexpr Key kFullScreenHeld{VK_F11, false, true};
constexpr Key kEscape{VK_ESCAPE, false};

std::vector<Key> times(int count, Key key) { return std::vector<Key>(count, key); }

bool sameSize(const SIZE& a, const SIZE& b) { return a.cx == b.cx && a.cy == b.cy; }

std::string text(const SIZE& size) {
    return std::to_string(size.cx) + " x " + std::to_string(size.cy);
}

class WindowScalingTest : public WindowTest {
protected:
    HWND form() { return window_->window(); }

    SIZE clientSize() {
        RECT client;
        GetClientRect(form(), &client);
        return {client.right, client.bottom};
    }

    void resizeClient(SIZE size) {
        RECT window;
        RECT client;
        GetWindowRect(form(), &window);
        GetClientRect(form(), &client);
        SetWindowPos(form(), nullptr, 0, 0, size.cx + (window.right - window.left) - client.right,
                     size.cy + (window.bottom - window.top) - client.bottom,
                     SWP_NOMOVE | SWP_NOZORDER);
        processUntil([] { return true; });
    }

    // As Windows tells a window that moved to a screen of another DPI.
    void changeDpi(int dotsPerInch) {
        RECT suggested{0, 0, 100, 100};
        SendMessageW(form(), WM_DPICHANGED, MAKEWPARAM(dotsPerInch, dotsPerInch),
                     reinterpret_cast<LPARAM>(&suggested));
    }

    void press(const std::vector<Key>& keys) {
        for (const Key& key : keys) {
            BYTE state[256]{};
            GetKeyboardState(state);
            state[VK_CONTROL] = key.control ? 0x80 : 0;
            state[VK_MENU] = key.alt ? 0x80 : 0;
            SetKeyboardState(state);
            if (key.repeated) {
                PostMessageW(GetFocus(), WM_KEYDOWN, key.virtualKey, LPARAM{0x40000001});
                win32_ui::processPendingMessages(*window_);
            } else {
                win32_test::pressKey(*window_, key.virtualKey);
            }
            state[VK_CONTROL] = 0;
            state[VK_MENU] = 0;
            SetKeyboardState(state);
        }
        processUntil([] { return true; });
    }

    RECT placeInClientArea(HWND control) {
        RECT place;
        GetWindowRect(control, &place);
        MapWindowPoints(nullptr, form(), reinterpret_cast<POINT*>(&place), 2);
        return place;
    }
};

// Where a place in twips lies at a scale on top of a DPI, before any rounding, from the design's
// top left.
struct Exact {
    double left, top, width, height;
};

Exact exactly(const design::Twips& place, double pixelsPerTwip) {
    return {place.left * pixelsPerTwip, place.top * pixelsPerTwip, place.width * pixelsPerTwip,
            place.height * pixelsPerTwip};
}

bool withinAPixel(const RECT& actual, const Exact& expected, POINT offset) {
    return std::abs(actual.left - offset.x - expected.left) <= 1 &&
           std::abs(actual.top - offset.y - expected.top) <= 1 &&
           std::abs(actual.right - actual.left - expected.width) <= 1 &&
           std::abs(actual.bottom - actual.top - expected.height) <= 1;
}

// Each control at its twips times the scale, within a pixel; the font at the scaled size; the
// design centred, and every control cut off at the design's edges, so the list strip ends at the
// design's bottom edge however much room is below it.
struct PictureRow {
    int dotsPerInch;
    SIZE client;
    double scale;
    POINT offset;
};

class DesignScalesAsOnePicture : public WindowScalingTest,
                                 public ::testing::WithParamInterface<PictureRow> {};

TEST_P(DesignScalesAsOnePicture, PlacesFontAndClipping) {
    const PictureRow& row = GetParam();
    if (row.dotsPerInch != 96) {
        changeDpi(row.dotsPerInch);
    }
    resizeClient(row.client);
    ASSERT_TRUE(sameSize(clientSize(), row.client)) << text(clientSize());
    EXPECT_DOUBLE_EQ(window_->scale(), row.scale);

    const design::WindowDesign& design = design::mainForm();
    const double pixelsPerTwip = design::pixelsPerTwipAt(row.dotsPerInch) * row.scale;
    const Exact frame = exactly(design::control({"Frame1"}).place, pixelsPerTwip);
    const double designBottom = design.clientArea.height * pixelsPerTwip + row.offset.y;
    for (const design::Control& control : design.controls) {
        SCOPED_TRACE(design::objectName(control.id));
        Exact expected = exactly(control.place, pixelsPerTwip);
        if (control.insideFrame) {
            expected.left += frame.left;
            expected.top += frame.top;
        }
        HWND shown = window_->control(control.id);
        const RECT place = placeInClientArea(shown);
        EXPECT_TRUE(withinAPixel(place, expected, row.offset))
            << place.left << ", " << place.top << " - " << place.right << ", " << place.bottom;

        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(shown, WM_GETFONT, 0, 0)), sizeof font,
                   &font);
        EXPECT_NEAR(-font.lfHeight, 16.0 * row.dotsPerInch / 96 * row.scale, 1.0);

        RECT visible{};
        ASSERT_NE(GetWindowRgnBox(shown, &visible), ERROR);
        EXPECT_LE(place.top + visible.bottom, designBottom + 1);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, DesignScalesAsOnePicture,
    ::testing::Values(
        PictureRow{96, {932, 648}, 2.0, {0, 0}}, PictureRow{96, {1398, 972}, 3.0, {0, 0}},
        PictureRow{96, {1398, 648}, 2.0, {233, 0}}, PictureRow{96, {932, 1000}, 2.0, {0, 176}},
        PictureRow{192, {1864, 1296}, 2.0, {0, 0}}, PictureRow{192, {2796, 1944}, 3.0, {0, 0}},
        PictureRow{192, {2796, 1400}, 1400.0 / 648, {(2796 - 2014) / 2, 0}}));

// The keys reach the window's sizing (presenter::WindowSizing, whose rows are in the
// presenter's tests) from the keyboard's focus in the transcript, which types none of them, in
// the window's physical pixels: the screen at 240 dots per inch holds no more than 250 %.
struct ZoomRow {
    const char* what;
    int dotsPerInch;
    SIZE from;
    std::vector<Key> keys;
    SIZE client;
};

void PrintTo(const ZoomRow& row, std::ostream* out) { *out << row.what; }

class ZoomKeys : public WindowScalingTest, public ::testing::WithParamInterface<ZoomRow> {};

TEST_P(ZoomKeys, StepTheWindow) {
    const ZoomRow& row = GetParam();
    if (row.dotsPerInch != 96) {
        changeDpi(row.dotsPerInch);
    }
    if (row.from.cx != 0) {
        resizeClient(row.from);
    }
    SetFocus(transcriptEdit());
    const std::string before = transcript();

    press(row.keys);

    EXPECT_TRUE(sameSize(clientSize(), row.client)) << text(clientSize());
    EXPECT_EQ(transcript(), before);
    EXPECT_EQ(GetFocus(), transcriptEdit());
}

constexpr SIZE kAsDesigned{};

INSTANTIATE_TEST_SUITE_P(
    Steps, ZoomKeys,
    ::testing::Values(
        ZoomRow{"in", 96, kAsDesigned, {kZoomIn}, {583, 405}},
        ZoomRow{"in on the keypad", 96, kAsDesigned, {kKeypadPlus}, {583, 405}},
        ZoomRow{"in, out on the keypad", 96, kAsDesigned, {kZoomIn, kKeypadMinus}, kDesigned},
        ZoomRow{"reset on the keypad", 96, {1398, 972}, {kKeypadZero}, kDesigned},
        ZoomRow{"Ctrl+Alt+Plus left to the transcript (AltGr)",
                96,
                kAsDesigned,
                {kAltGrPlus},
                kDesigned},
        ZoomRow{"in at 200 % DPI", 192, kAsDesigned, {kZoomIn}, {1165, 810}},
        ZoomRow{
            "in as far as the 240 dpi screen holds", 240, {2330, 1620}, {kZoomIn}, {2912, 2025}}));

// A step keeps the frame's centre as the shared rule places it: 100 + (width - (width + 117)) / 2.
TEST_F(WindowScalingTest, ZoomStepKeepsTheFramesCentre) {
    SetWindowPos(form(), nullptr, 100, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    RECT before;
    GetWindowRect(form(), &before);

    press({kZoomIn});

    RECT after;
    GetWindowRect(form(), &after);
    EXPECT_EQ(after.right - after.left, before.right - before.left + 583 - 466);
    EXPECT_EQ(after.left, 100 + (466 - 583) / 2);
}

// A drag of the border: the design follows, and the window is no smaller than the design.
TEST_F(WindowScalingTest, DraggedBorderKeepsTheDesignWhole) {
    resizeClient({700, 400});
    EXPECT_DOUBLE_EQ(window_->scale(), 400.0 / 324);
    resizeClient({300, 200});
    EXPECT_TRUE(sameSize(clientSize(), kDesigned)) << text(clientSize());
    EXPECT_DOUBLE_EQ(window_->scale(), 1.0);
}

// Full screen and maximised fill the screen; a zoom step is a window's size, so it leaves them,
// except where no step is larger; F11 or Esc brings back the window as it was.
struct FullScreenRow {
    const char* what;
    bool maximised;
    std::vector<Key> keys;
    bool fullScreen;
    SIZE client;  // none: maximised
};

void PrintTo(const FullScreenRow& row, std::ostream* out) { *out << row.what; }

class FullScreen : public WindowScalingTest, public ::testing::WithParamInterface<FullScreenRow> {};

TEST_P(FullScreen, AndBack) {
    const FullScreenRow& row = GetParam();
    SetWindowPos(form(), nullptr, 300, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    if (row.maximised) {
        ShowWindow(form(), SW_MAXIMIZE);
    }
    RECT before;
    GetWindowRect(form(), &before);

    press(row.keys);

    EXPECT_EQ(window_->isFullScreen(), row.fullScreen);
    if (row.client.cx == 0) {
        EXPECT_TRUE(IsZoomed(form()));
        RECT now;
        GetWindowRect(form(), &now);
        EXPECT_TRUE(EqualRect(&now, &before))
            << "back maximised: " << now.left << ", " << now.top << " - " << now.right << ", "
            << now.bottom << " rather than " << before.left << ", " << before.top << " - "
            << before.right << ", " << before.bottom;
    } else {
        EXPECT_TRUE(sameSize(clientSize(), row.client)) << text(clientSize());
    }
    if (!row.fullScreen && sameSize(row.client, kDesigned)) {
        RECT now;
        GetWindowRect(form(), &now);
        EXPECT_EQ(now.left, before.left);
        EXPECT_EQ(now.top, before.top);
    }
    EXPECT_EQ(GetFocus(), transcriptEdit());
}

INSTANTIATE_TEST_SUITE_P(
    Keys, FullScreen,
    ::testing::Values(
        FullScreenRow{"F11", false, times(1, kFullScreen), true, kScreen},
        FullScreenRow{
            "F11 held", false, {kFullScreen, kFullScreenHeld, kFullScreenHeld}, true, kScreen},
        FullScreenRow{"F11, Esc", false, {kFullScreen, kEscape}, false, kDesigned},
        FullScreenRow{
            "full screen, in: no larger step", false, {kFullScreen, kZoomIn}, true, kScreen},
        FullScreenRow{"full screen, out", false, {kFullScreen, kZoomOut}, false, {1398, 972}},
        FullScreenRow{"maximised, F11, Esc", true, {kFullScreen, kEscape}, false, {0, 0}},
        FullScreenRow{"maximised, out", true, times(1, kZoomOut), false, {1398, 972}}));

// A pupil's working pasted after a problem: a few lines, or so many that a new scale takes the
// text out of the edit and puts it back.
struct TranscriptRow {
    const char* name;
    int lines;
    bool undoKept;
};

class StateSurvivesScaling : public WindowScalingTest,
                             public ::testing::WithParamInterface<TranscriptRow> {};

// The transcript's text with the pupil's own lines (and their undo, on a short one), the caret
// and selection, the scrolled view, the marked letter, the solve button's state and the focus
// stay through every change of scale.
TEST_P(StateSurvivesScaling, ThroughEveryChangeOfScale) {
    const TranscriptRow& row = GetParam();
    pose(kExample);
    HWND edit = transcriptEdit();
    SetFocus(edit);
    caretToTranscriptEnd();
    // Typed as one paste, which the user can undo: Wine takes a second to type a line.
    std::wstring lines;
    for (int line = 1; line <= row.lines; ++line) {
        lines += L"ред " + std::to_wstring(line) + L" от сметките на ученика\r\n";
    }
    SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(lines.c_str()));
    win32_test::clickMiddle(control("Option1", 4));
    ASSERT_TRUE(processUntil(
        [this] { return SendMessageW(control("Option1", 4), BM_GETCHECK, 0, 0) == BST_CHECKED; }));
    SetFocus(edit);
    const auto lineStart = [edit](int line) {
        return static_cast<DWORD>(SendMessageW(edit, EM_LINEINDEX, static_cast<WPARAM>(line), 0));
    };
    SendMessageW(edit, EM_SETSEL, lineStart(30), lineStart(31) - 2);
    SendMessageW(edit, EM_LINESCROLL, 0, 25 - SendMessageW(edit, EM_GETFIRSTVISIBLELINE, 0, 0));

    // The paragraph at the top of the view: lines wrap anew at another width.
    const auto topParagraph = [this, edit] {
        const LRESULT first =
            SendMessageW(edit, EM_LINEINDEX,
                         static_cast<WPARAM>(SendMessageW(edit, EM_GETFIRSTVISIBLELINE, 0, 0)), 0);
        const std::wstring shown = win32_ui::toUtf16(transcript()).substr(0, first);
        std::size_t breaks = 0;
        for (std::size_t at = shown.find(L"\r\n"); at != std::wstring::npos;
             at = shown.find(L"\r\n", at + 2)) {
            ++breaks;
        }
        return breaks;
    };
    const auto selection = [edit] {
        DWORD start = 0, stop = 0;
        SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                     reinterpret_cast<LPARAM>(&stop));
        return std::make_pair(start, stop);
    };
    const std::string before = transcript();
    const auto selected = selection();
    const std::size_t top = topParagraph();
    ASSERT_GT(top, 0u);

    const auto expectUnchanged = [&](const char* after) {
        SCOPED_TRACE(after);
        EXPECT_EQ(transcript(), before);
        EXPECT_EQ(selection(), selected);
        EXPECT_EQ(topParagraph(), top);
        EXPECT_EQ(SendMessageW(control("Option1", 4), BM_GETCHECK, 0, 0), BST_CHECKED);
        EXPECT_TRUE(IsWindowEnabled(command(1)));
        EXPECT_EQ(GetFocus(), edit);
        EXPECT_EQ(SendMessageW(edit, EM_CANUNDO, 0, 0) != 0, row.undoKept);
        EXPECT_TRUE(SendMessageW(edit, EM_GETMODIFY, 0, 0));  // the pupil's, not the program's
    };
    resizeClient({932, 648});
    expectUnchanged("resized to twice");
    resizeClient({1398, 972});
    expectUnchanged("resized to three times");
    press(times(1, kFullScreen));
    expectUnchanged("full screen");
    press(times(1, kZoomReset));
    expectUnchanged("back to the design");
    press(times(2, kZoomIn));
    expectUnchanged("zoomed to 150 %");
}

INSTANTIATE_TEST_SUITE_P(Transcripts, StateSurvivesScaling,
                         ::testing::Values(TranscriptRow{"PupilsWorking", 60, true},
                                           TranscriptRow{"LongTranscript", 1500, false}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
