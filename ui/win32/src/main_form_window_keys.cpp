// The window's own keys (the zoom keys, F11, Esc) from a key message, for the presenter.

#include <windows.h>

#include "presenter/window_keys.h"
#include "win32_ui/main_form.h"

namespace win32_ui {

namespace {

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
    return presenter::takeWindowKey(toKeyPress(message), isFullScreen(), keyed);
}

}  // namespace win32_ui
