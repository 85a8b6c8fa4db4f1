#include "window_keys.h"

namespace win32_ui {

namespace {

bool isDown(int virtualKey) { return GetKeyState(virtualKey) < 0; }

// In a key message's lParam: the key was already down, so this press is a repeat.
constexpr LPARAM kWasDown = LPARAM{1} << 30;

std::optional<WindowKey> withControl(WPARAM virtualKey) {
    switch (virtualKey) {
        case VK_OEM_PLUS:  // the key of + on every layout
        case VK_ADD:
            return WindowKey::ZoomIn;
        case VK_OEM_MINUS:
        case VK_SUBTRACT:
            return WindowKey::ZoomOut;
        case '0':
            return WindowKey::ZoomReset;
        default:
            return std::nullopt;
    }
}

}  // namespace

std::optional<WindowKey> windowKey(const MSG& message, bool fullScreen) {
    if (message.message != WM_KEYDOWN || isDown(VK_MENU)) {
        return std::nullopt;
    }
    if (isDown(VK_CONTROL)) {
        return withControl(message.wParam);
    }
    if (message.wParam == VK_F11) {
        // A held key repeats, and full screen would flicker on and off with it.
        const bool repeated = (message.lParam & kWasDown) != 0;
        return repeated ? WindowKey::HeldDown : WindowKey::FullScreen;
    }
    if (message.wParam == VK_ESCAPE && fullScreen) {
        return WindowKey::LeaveFullScreen;
    }
    return std::nullopt;
}

}  // namespace win32_ui
