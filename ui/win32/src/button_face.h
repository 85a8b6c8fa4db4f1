#pragma once

#include <windows.h>

namespace win32_ui {

// Paints an owner-drawn command button, the same with and without visual styles: its face in
// the given colour inside a raised edge (sunken while pressed), the caption centred, engraved
// in grey while disabled, and a focus rectangle once the keyboard is in use.
void paintButtonFace(const DRAWITEMSTRUCT& item, COLORREF face);

}  // namespace win32_ui
