#pragma once

#include <windows.h>

namespace win32_ui {

// What full screen takes away from the window, and gives back: its title bar, its border that
// sizes it, and the boxes that minimise and maximise it.
inline constexpr DWORD kFrameStyles =
    WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
inline constexpr DWORD kWindowStyle = WS_OVERLAPPED | kFrameStyles | WS_CLIPCHILDREN;
inline constexpr DWORD kWindowExStyle = 0;

}  // namespace win32_ui
