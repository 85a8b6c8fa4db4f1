#pragma once

#include <windows.h>

#include <optional>

namespace win32_ui {

enum class WindowKey {
    ZoomIn,           // Ctrl+Plus, also Ctrl+= (the plus without Shift) and the keypad's plus
    ZoomOut,          // Ctrl+Minus, also the keypad's minus
    ZoomReset,        // Ctrl+0
    FullScreen,       // F11, on and off
    LeaveFullScreen,  // Esc, in full screen only: elsewhere it stays the controls'
    HeldDown,         // F11 repeating while held: taken, and nothing more
};

// The window's key a message presses, taking the state of Ctrl and Alt when it was sent. Alt
// rules a key out: Ctrl+Alt is AltGr on many layouts, which types characters.
std::optional<WindowKey> windowKey(const MSG& message, bool fullScreen);

}  // namespace win32_ui
