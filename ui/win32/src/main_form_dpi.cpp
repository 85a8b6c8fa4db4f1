// The window moved to a screen of another DPI, or the screen's DPI changed: the window keeps the
// design's scale, or its size in inches (presenter::WindowSizing::clientAtDensity).

#include <windows.h>

#include "design/units.h"
#include "presenter/window_sizing.h"
#include "win32_ui/main_form.h"
#include "window_styles.h"

namespace win32_ui {

void MainForm::setDotsPerInch(int dotsPerInch) {
    dotsPerInch_ = dotsPerInch;
    sizing_.setPixelsPerTwip(design::pixelsPerTwipAt(dotsPerInch));
}

design::PixelSize MainForm::clientAreaAtDpi(int dotsPerInch) const {
    return sizing_.clientAtDensity(clientSize(), scale_, design::pixelsPerTwipAt(dotsPerInch));
}

LRESULT MainForm::onDpiScaledSize(int dotsPerInch, SIZE& size) const {
    if (isFullScreen() || IsZoomed(window_) != FALSE) {
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
    if (isFullScreen() || IsZoomed(window_) != FALSE) {
        setDotsPerInch(dotsPerInch);
        SetWindowPos(window_, nullptr, suggested.left, suggested.top,
                     suggested.right - suggested.left, suggested.bottom - suggested.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        fitDesignToWindow();
        return;
    }
    // Sized by the design; placed where Windows suggests.
    const design::PixelSize client = clientAreaAtDpi(dotsPerInch);
    setDotsPerInch(dotsPerInch);
    SetWindowPos(window_, nullptr, suggested.left, suggested.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    resizeClientArea(client);
}

}  // namespace win32_ui
