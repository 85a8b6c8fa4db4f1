#pragma once

#include <windows.h>

#include <string_view>

namespace win32_ui {

// Tells the user that a command failed: a message box with what went wrong and that nothing
// on screen is lost. Returns once the user has closed it.
void showRuntimeErrorBox(HWND owner, std::string_view text);

}  // namespace win32_ui
