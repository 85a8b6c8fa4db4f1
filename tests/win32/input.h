#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <string_view>

#include "win32_ui/main_form.h"
#include "win32_ui/message_loop.h"

// Input for the Win32 tests as the user gives it, through the program's own message loop.
namespace win32_test {

// Handles queued messages with the given pump until the condition holds; false if it does not
// within the time.
inline bool processUntil(const std::function<void()>& pump, const std::function<bool()>& condition,
                         std::chrono::milliseconds limit = std::chrono::seconds(10)) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (true) {
        pump();
        if (condition()) {
            return true;
        }
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

inline bool processUntil(win32_ui::MainForm& form, const std::function<bool()>& condition,
                         std::chrono::milliseconds limit = std::chrono::seconds(10)) {
    return processUntil([&form] { win32_ui::processPendingMessages(form); }, condition, limit);
}

// A key press and release, posted to the control with the focus as the keyboard would.
inline void pressKey(win32_ui::MainForm& form, WORD virtualKey) {
    HWND focus = GetFocus();
    PostMessageW(focus, WM_KEYDOWN, virtualKey, 1);
    PostMessageW(focus, WM_KEYUP, virtualKey, static_cast<LPARAM>(0xC0000001U));
    win32_ui::processPendingMessages(form);
}

// Characters typed into the control with the focus; "\n" is Enter.
inline void type(win32_ui::MainForm& form, std::wstring_view text) {
    for (const wchar_t character : text) {
        if (character == L'\n') {
            pressKey(form, VK_RETURN);
        } else {
            PostMessageW(GetFocus(), WM_CHAR, character, 1);
            win32_ui::processPendingMessages(form);
        }
    }
}

// A left click at a point of a window (in its own pixels, from its top left), through the
// system's input queue: a disabled or covered window does not get it.
inline void clickAt(HWND target, int x, int y) {
    RECT place;
    GetWindowRect(target, &place);
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    const auto normalised = [](int pixel, int size) {
        return static_cast<LONG>((pixel * 65535 + size / 2) / (size - 1));
    };
    INPUT inputs[3]{};
    for (INPUT& input : inputs) {
        input.type = INPUT_MOUSE;
        input.mi.dx = normalised(place.left + x, screenWidth);
        input.mi.dy = normalised(place.top + y, screenHeight);
    }
    inputs[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_ABSOLUTE;
    inputs[2].mi.dwFlags = MOUSEEVENTF_LEFTUP | MOUSEEVENTF_ABSOLUTE;
    SendInput(3, inputs, sizeof(INPUT));
}

inline void clickMiddle(HWND target) {
    RECT place;
    GetWindowRect(target, &place);
    clickAt(target, (place.right - place.left) / 2, (place.bottom - place.top) / 2);
}

}  // namespace win32_test
