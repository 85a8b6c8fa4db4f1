// Enlarging the window for a projector or an interactive whiteboard: the design shown at the
// largest scale the window holds, the zoom steps, full screen, their keys, and the window's DPI.

#include <windows.h>

#include <algorithm>
#include <optional>
#include <string>

#include "design/main_form_design.h"
#include "design/scaling.h"
#include "design/window_layout.h"
#include "presenter/window_keys.h"
#include "win32_ui/main_form.h"
#include "win32_ui/text_conversion.h"
#include "win32_ui/window_text.h"
#include "window_styles.h"

namespace win32_ui {

namespace {

design::Pixels toPixels(const RECT& rect) {
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

design::PixelSize clientSize(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    return {client.right, client.bottom};
}

const design::Twips& designedClientArea() { return design::mainForm().clientArea; }

// The window's size for a client area of the given size, inside a frame of the given margins.
design::PixelSize framed(design::PixelSize client, const RECT& margins) {
    return {client.width + margins.left + margins.right,
            client.height + margins.top + margins.bottom};
}

MONITORINFO monitorOf(HWND window) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor);
    return monitor;
}

// Where the transcript's view starts, as the character at the top left of it: a new font and
// width wrap its lines anew, and the same text should stay in view.
class TranscriptView {
public:
    explicit TranscriptView(HWND edit)
        : edit_(edit),
          firstCharacter_(SendMessageW(
              edit, EM_LINEINDEX,
              static_cast<WPARAM>(SendMessageW(edit, EM_GETFIRSTVISIBLELINE, 0, 0)), 0)) {}

    void restore() const {
        const LRESULT line =
            SendMessageW(edit_, EM_LINEFROMCHAR, static_cast<WPARAM>(firstCharacter_), 0);
        const LRESULT first = SendMessageW(edit_, EM_GETFIRSTVISIBLELINE, 0, 0);
        if (line != first) {
            SendMessageW(edit_, EM_LINESCROLL, 0, line - first);
        }
    }

private:
    HWND edit_;
    LRESULT firstCharacter_;
};

// Characters past which a new scale takes the transcript's text out of the edit and puts it
// back (below). Shorter texts stay in the edit, where the user's last edit can still be undone.
constexpr int kLongTranscript = 32 * 1024;

// The transcript's text, taken out of the edit while its font and size change, and put back
// with the selection, the view and the modified flag as they were. An edit wraps its whole text
// anew on a new font and again on a new width; Wine's took 7 s for a new font on 1 MiB, eight
// times setting the text once, which is all that putting it back costs.
class TranscriptSetAside {
public:
    explicit TranscriptSetAside(HWND edit) : edit_(edit), view_(edit), text_(windowText(edit)) {
        SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&selectionStart_),
                     reinterpret_cast<LPARAM>(&selectionEnd_));
        modified_ = SendMessageW(edit, EM_GETMODIFY, 0, 0) != 0;
        SetWindowTextW(edit, L"");
    }
    TranscriptSetAside(const TranscriptSetAside&) = delete;
    TranscriptSetAside& operator=(const TranscriptSetAside&) = delete;

    // Setting the text forgets the user's last edit, which the edit could otherwise undo: the
    // price of a fast step on a long transcript.
    void putBack() const {
        SetWindowTextW(edit_, text_.c_str());
        SendMessageW(edit_, EM_SETSEL, selectionStart_, static_cast<LPARAM>(selectionEnd_));
        SendMessageW(edit_, EM_SETMODIFY, modified_ ? TRUE : FALSE, 0);
        view_.restore();
    }

private:
    HWND edit_;
    TranscriptView view_;
    std::wstring text_;
    DWORD selectionStart_ = 0;
    DWORD selectionEnd_ = 0;
    bool modified_ = false;
};

bool isDown(int virtualKey) { return GetKeyState(virtualKey) < 0; }

// In a key message's lParam: the key was already down, so this press is the keyboard's repeat.
constexpr LPARAM kWasDown = LPARAM{1} << 30;

presenter::Key windowKeyOf(WPARAM virtualKey) {
    switch (virtualKey) {
        case VK_OEM_PLUS:  // the key of = and + on every layout
        case VK_ADD:
            return presenter::Key::Plus;
        case VK_OEM_MINUS:
        case VK_SUBTRACT:
            return presenter::Key::Minus;
        case '0':
        case VK_NUMPAD0:
            return presenter::Key::Zero;
        case VK_F11:
            return presenter::Key::F11;
        case VK_ESCAPE:
            return presenter::Key::Escape;
        default:
            return presenter::Key::Other;
    }
}

// Ctrl and Alt as they were when the message was sent.
presenter::KeyPress toKeyPress(const MSG& keyDown) {
    return {windowKeyOf(keyDown.wParam), isDown(VK_CONTROL), isDown(VK_MENU),
            (keyDown.lParam & kWasDown) != 0};
}

}  // namespace

bool MainForm::handleWindowKeys(const MSG& message) {
    if (window_ == nullptr || message.message != WM_KEYDOWN) {
        return false;
    }
    presenter::KeyedWindow& keyed = *this;
    return presenter::takeWindowKey(toKeyPress(message), fullScreen_, keyed);
}

void MainForm::fitDesignToWindow() {
    if (transcript_ == nullptr) {
        return;  // the window is still being made
    }
    const design::WindowLayout layout =
        design::WindowLayout::fitting(dotsPerInch_, clientSize(window_));
    if (layout.scale() <= 0.0) {
        return;  // minimised, or a window of no size, shows nothing
    }
    const bool rescaled = layout.scale() != scale_ || fontDotsPerInch_ != dotsPerInch_;
    if (!rescaled && layout.designArea() == designArea_) {
        return;
    }
    // Painted once, when every control has its place and font: Wine would otherwise paint each
    // list as it moves, and again as the next one moves over it, which took seconds a step.
    for (HWND control : controls_) {
        SendMessageW(control, WM_SETREDRAW, FALSE, 0);
    }
    if (rescaled && GetWindowTextLengthW(transcript_) > kLongTranscript) {
        const TranscriptSetAside transcript(transcript_);
        setScaledFont(layout);
        placeControls(layout);
        transcript.putBack();
    } else {
        const TranscriptView view(transcript_);
        if (rescaled) {
            setScaledFont(layout);
        }
        placeControls(layout);
        view.restore();
    }
    scale_ = layout.scale();
    designArea_ = layout.designArea();
    for (HWND control : controls_) {
        SendMessageW(control, WM_SETREDRAW, TRUE, 0);
    }
    // The margins around the design too, where it lay before.
    RedrawWindow(window_, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
}

void MainForm::setScaledFont(const design::WindowLayout& layout) {
    const design::Font& designed = design::mainForm().font;
    HFONT previousFont = font_;
    // Made anew at the scaled size, so every text is laid out at it, never stretched.
    font_ = CreateFontW(-layout.fontHeight(designed), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                        RUSSIAN_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                        VARIABLE_PITCH | FF_ROMAN, toUtf16(designed.family).c_str());
    for (HWND control : controls_) {
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    }
    if (previousFont != nullptr) {
        DeleteObject(previousFont);
    }
    fontDotsPerInch_ = dotsPerInch_;
}

void MainForm::placeControls(const design::WindowLayout& layout) {
    const auto& controls = design::mainForm().controls;
    // All moved in one go: the window is repainted once they all have their places.
    HDWP moves = BeginDeferWindowPos(static_cast<int>(controls_.size()));
    for (std::size_t i = 0; i < controls_.size() && moves != nullptr; ++i) {
        const design::Pixels place = layout.place(controls[i]);
        moves = DeferWindowPos(moves, controls_[i], nullptr, place.left, place.top, place.width,
                               place.height,
                               SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS | SWP_NOREDRAW);
    }
    if (moves == nullptr || EndDeferWindowPos(moves) == FALSE) {
        for (std::size_t i = 0; i < controls_.size(); ++i) {  // one by one, as memory allows
            const design::Pixels place = layout.place(controls[i]);
            SetWindowPos(controls_[i], nullptr, place.left, place.top, place.width, place.height,
                         SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS | SWP_NOREDRAW);
        }
    }
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        clipToDesign(i, layout);
    }
}

void MainForm::clipToDesign(std::size_t controlIndex, const design::WindowLayout& layout) {
    const design::Pixels place = layout.place(design::mainForm().controls[controlIndex]);
    const design::Pixels area = layout.designArea();
    // In the control's own pixels: what lies within the design's client area, less what the
    // controls stacked above it cover.
    HRGN visible =
        CreateRectRgn(std::max(area.left - place.left, 0), std::max(area.top - place.top, 0),
                      std::min(area.left + area.width - place.left, place.width),
                      std::min(area.top + area.height - place.top, place.height));
    for (const design::Pixels& part : layout.coveredParts(controlIndex)) {
        HRGN cover =
            CreateRectRgn(part.left - place.left, part.top - place.top,
                          part.left - place.left + part.width, part.top - place.top + part.height);
        CombineRgn(visible, visible, cover, RGN_DIFF);
        DeleteObject(cover);
    }
    // The window owns the region from here on; it is repainted with the rest of the window.
    SetWindowRgn(controls_[controlIndex], visible, FALSE);
}

RECT MainForm::frameMargins() const {
    if (fullScreen_) {
        return marginsBeforeFullScreen_;  // a full screen window has none; a step brings them back
    }
    RECT window;
    RECT client;
    GetWindowRect(window_, &window);
    GetClientRect(window_, &client);
    MapWindowPoints(window_, nullptr, reinterpret_cast<POINT*>(&client), 2);
    return RECT{client.left - window.left, client.top - window.top, window.right - client.right,
                window.bottom - client.bottom};
}

void MainForm::resizeClientArea(design::PixelSize client) {
    const design::PixelSize window = framed(client, frameMargins());
    SetWindowPos(window_, nullptr, 0, 0, window.width, window.height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    fitDesignToWindow();
}

RECT MainForm::workArea() const { return monitorOf(window_).rcWork; }

double MainForm::largestWindowedScale() const {
    const RECT work = workArea();
    const RECT margins = frameMargins();
    const design::PixelSize available{work.right - work.left - margins.left - margins.right,
                                      work.bottom - work.top - margins.top - margins.bottom};
    return design::fittingScale(designedClientArea(), available,
                                design::pixelsPerTwipAt(dotsPerInch_));
}

void MainForm::limitTrackingSize(MINMAXINFO& limits) const {
    if (fullScreen_ || window_ == nullptr) {
        return;
    }
    // No smaller than the design at scale 1, however the border is dragged.
    const design::PixelSize least =
        design::scaledSize(designedClientArea(), 1.0, design::pixelsPerTwipAt(dotsPerInch_));
    const design::PixelSize window = framed(least, frameMargins());
    limits.ptMinTrackSize.x = window.width;
    limits.ptMinTrackSize.y = window.height;
}

void MainForm::zoom(design::ZoomKey key) {
    const std::optional<double> scale = design::zoomedScale(key, scale_, largestWindowedScale());
    if (!scale) {
        return;
    }
    // A step is a size of the window, so it leaves full screen and maximised, and the window
    // comes back where it was before them. It grows or shrinks about its centre, and moves only
    // as far as it must to stay on the screen, its frame included.
    if (fullScreen_) {
        leaveFullScreen();
    }
    if (IsZoomed(window_) != FALSE) {
        ShowWindow(window_, SW_RESTORE);
    }
    RECT window;
    GetWindowRect(window_, &window);
    const design::PixelSize client =
        design::scaledSize(designedClientArea(), *scale, design::pixelsPerTwipAt(dotsPerInch_));
    const design::Pixels place = design::keptOnScreen(
        toPixels(window), framed(client, frameMargins()), toPixels(workArea()));
    SetWindowPos(window_, nullptr, place.left, place.top, place.width, place.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    fitDesignToWindow();
}

void MainForm::toggleFullScreen() {
    if (fullScreen_) {
        leaveFullScreen();
        return;
    }
    placementBeforeFullScreen_.length = sizeof placementBeforeFullScreen_;
    GetWindowPlacement(window_, &placementBeforeFullScreen_);
    marginsBeforeFullScreen_ = frameMargins();
    const RECT screen = monitorOf(window_).rcMonitor;
    fullScreen_ = true;
    // Without a frame, over the whole monitor, the task bar included. No longer maximised
    // either, so that leaving maximises the window again, to the size of the work area.
    const LONG_PTR style = GetWindowLongPtrW(window_, GWL_STYLE);
    SetWindowLongPtrW(window_, GWL_STYLE,
                      style & ~static_cast<LONG_PTR>(kFrameStyles | WS_MAXIMIZE));
    SetWindowPos(window_, HWND_TOP, screen.left, screen.top, screen.right - screen.left,
                 screen.bottom - screen.top, SWP_NOOWNERZORDER | SWP_FRAMECHANGED);
    fitDesignToWindow();
}

void MainForm::leaveFullScreen() {
    fullScreen_ = false;
    const LONG_PTR style = GetWindowLongPtrW(window_, GWL_STYLE);
    SetWindowLongPtrW(window_, GWL_STYLE, style | static_cast<LONG_PTR>(kFrameStyles));
    // Where it was: maximised again, or at its place and size.
    SetWindowPlacement(window_, &placementBeforeFullScreen_);
    SetWindowPos(window_, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOOWNERZORDER | SWP_FRAMECHANGED);
    fitDesignToWindow();
}

design::PixelSize MainForm::clientAreaAtDpi(int dotsPerInch) const {
    // A window that shows the design without margins shows it at the same scale on the new
    // screen, exactly; any other keeps its size in inches.
    const design::PixelSize client = clientSize(window_);
    const design::Twips& area = designedClientArea();
    if (client == design::scaledSize(area, scale_, design::pixelsPerTwipAt(dotsPerInch_))) {
        return design::scaledSize(area, scale_, design::pixelsPerTwipAt(dotsPerInch));
    }
    return {MulDiv(client.width, dotsPerInch, dotsPerInch_),
            MulDiv(client.height, dotsPerInch, dotsPerInch_)};
}

LRESULT MainForm::onDpiScaledSize(int dotsPerInch, SIZE& size) const {
    if (fullScreen_ || IsZoomed(window_) != FALSE) {
        return FALSE;  // they fill the screen they are on
    }
    const design::PixelSize client = clientAreaAtDpi(dotsPerInch);
    RECT frame{0, 0, client.width, client.height};
    AdjustWindowRectExForDpi(&frame, static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_STYLE)),
                             FALSE, kWindowExStyle, static_cast<UINT>(dotsPerInch));
    size = SIZE{frame.right - frame.left, frame.bottom - frame.top};
    return TRUE;
}

void MainForm::onDpiChanged(int dotsPerInch, const RECT& suggested) {
    if (fullScreen_ || IsZoomed(window_) != FALSE) {
        dotsPerInch_ = dotsPerInch;
        SetWindowPos(window_, nullptr, suggested.left, suggested.top,
                     suggested.right - suggested.left, suggested.bottom - suggested.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        fitDesignToWindow();
        return;
    }
    // Sized by the design; placed where Windows suggests.
    const design::PixelSize client = clientAreaAtDpi(dotsPerInch);
    dotsPerInch_ = dotsPerInch;
    SetWindowPos(window_, nullptr, suggested.left, suggested.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    resizeClientArea(client);
}

}  // namespace win32_ui
