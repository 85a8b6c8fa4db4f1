#pragma once

#include <windows.h>

#include "presenter/main_form_view.h"

namespace win32_ui {

// Tells the user that something failed: a message box with the message's title, and its text
// with the advice a paragraph below. Returns once the user has closed it.
void showRuntimeErrorBox(HWND owner, const presenter::ErrorMessage& message);

}  // namespace win32_ui
