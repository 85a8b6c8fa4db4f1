#pragma once

#include <windows.h>

namespace win32_ui {

// Makes a group box fill its inside with the given brush, which stays owned by the caller and
// must outlive the group box. A group box draws only its line and caption, and under a parent
// that clips its children (WS_CLIPCHILDREN) nothing else paints what it encloses.
void fillFrameBackground(HWND frame, HBRUSH background);

}  // namespace win32_ui
