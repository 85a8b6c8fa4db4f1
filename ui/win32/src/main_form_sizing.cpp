// The window's size and place: its least size, the zoom steps and full screen, as the presenter's
// sizing works them out (presenter::WindowSizing), in the window's physical pixels.

#include <windows.h>

#include <optional>

#include "presenter/window_sizing.h"
#include "win32_ui/main_form.h"
#include "window_styles.h"

namespace win32_ui {

namespace {

design::Pixels toPixels(const RECT& rect) {
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

MONITORINFO monitorOf(HWND window) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor);
    return monitor;
}

}  // namespace

design::PixelSize MainForm::clientSize() const {
    RECT client;
    GetClientRect(window_, &client);
    return {client.right, client.bottom};
}

RECT MainForm::clientOnScreen() const {
    RECT client;
    GetClientRect(window_, &client);
    MapWindowPoints(window_, nullptr, reinterpret_cast<POINT*>(&client), 2);
    return client;
}

presenter::FrameMargins MainForm::frameMargins() const {
    RECT window;
    GetWindowRect(window_, &window);
    const RECT client = clientOnScreen();
    return {client.left - window.left, client.top - window.top, window.right - client.right,
            window.bottom - client.bottom};
}

void MainForm::resizeClientArea(design::PixelSize client) {
    const design::PixelSize window = presenter::framedSize(client, frameMargins());
    SetWindowPos(window_, nullptr, 0, 0, window.width, window.height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    fitDesignToWindow();
}

void MainForm::limitTrackingSize(MINMAXINFO& limits) const {
    if (isFullScreen() || window_ == nullptr) {
        return;
    }
    // No smaller than the design at scale 1, however the border is dragged.
    const design::PixelSize least = sizing_.leastFrameSize(frameMargins());
    limits.ptMinTrackSize.x = least.width;
    limits.ptMinTrackSize.y = least.height;
}

presenter::WindowGeometry MainForm::geometry() const {
    return {toPixels(clientOnScreen()), frameMargins(), toPixels(monitorOf(window_).rcWork)};
}

void MainForm::zoom(design::ZoomKey key) {
    // Whether there is a step at all, before the window leaves full screen or maximised; then
    // the step from the scale it had, from where the window is restored to.
    const double scale = scale_;
    if (!sizing_.zoomed(key, scale, geometry())) {
        return;
    }
    if (isFullScreen()) {
        leaveFullScreen();
    }
    if (IsZoomed(window_) != FALSE) {
        ShowWindow(window_, SW_RESTORE);
    }
    const std::optional<presenter::ZoomedWindow> zoomed = sizing_.zoomed(key, scale, geometry());
    if (!zoomed) {
        return;
    }
    const design::Pixels& frame = zoomed->frame;
    SetWindowPos(window_, nullptr, frame.left, frame.top, frame.width, frame.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    fitDesignToWindow();
}

void MainForm::toggleFullScreen() {
    if (isFullScreen()) {
        leaveFullScreen();
        return;
    }
    placementBeforeFullScreen_.length = sizeof placementBeforeFullScreen_;
    GetWindowPlacement(window_, &placementBeforeFullScreen_);
    sizing_.enterFullScreen(frameMargins());
    const RECT screen = monitorOf(window_).rcMonitor;
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
    sizing_.leaveFullScreen();
    const LONG_PTR style = GetWindowLongPtrW(window_, GWL_STYLE);
    SetWindowLongPtrW(window_, GWL_STYLE, style | static_cast<LONG_PTR>(kFrameStyles));
    // Where it was: maximised again, or at its place and size.
    SetWindowPlacement(window_, &placementBeforeFullScreen_);
    SetWindowPos(window_, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOOWNERZORDER | SWP_FRAMECHANGED);
    fitDesignToWindow();
}

}  // namespace win32_ui
