#include "win32_ui/window_text.h"

namespace win32_ui {

std::wstring windowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)), L'\0');
    // Writes the terminating null after the text, where std::wstring keeps one; copies fewer
    // characters where the length, which may count more, was only an upper bound.
    const int copied = GetWindowTextW(window, text.data(), static_cast<int>(text.size()) + 1);
    text.resize(static_cast<std::size_t>(copied));
    return text;
}

}  // namespace win32_ui
