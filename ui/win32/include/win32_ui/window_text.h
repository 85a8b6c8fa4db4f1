#pragma once

#include <windows.h>

#include <string>

namespace win32_ui {

// A window's whole text: a control's caption, or an edit's content.
std::wstring windowText(HWND window);

}  // namespace win32_ui
