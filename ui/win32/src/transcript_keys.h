#pragma once

#include <windows.h>

namespace win32_ui {

// Makes the transcript's keys those of the Linux window under the dialog manager: Tab and
// Shift+Tab move the focus on rather than being typed, Escape does nothing (a multi-line edit
// would close the window), and the focus arriving with Tab leaves the caret where it was instead
// of selecting the whole text, which the next key typed would replace. Enter still breaks the line.
void adaptTranscriptKeys(HWND edit);

}  // namespace win32_ui
