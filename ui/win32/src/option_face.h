#pragma once

#include <windows.h>
#include <commctrl.h>

namespace win32_ui {

// Paints an option button enlarged beyond its DPI, as custom drawing (NM_CUSTOMDRAW) lets the
// button keep its state and keys: the mark grows with the scale as its caption does, where the
// button's own would stay the size of the DPI. Its background in the given brush; the mark in
// the visual style at the scaled DPI where one is in use, else as a classic one. At scale 1 it
// leaves the button its own painting.
LRESULT paintScaledOption(const NMCUSTOMDRAW& draw, double scale, int dotsPerInch,
                          HBRUSH background);

}  // namespace win32_ui
