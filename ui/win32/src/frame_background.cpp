#include "frame_background.h"

#include <windows.h>
#include <commctrl.h>

namespace win32_ui {

namespace {

constexpr UINT_PTR kSubclassId = 1;

LRESULT CALLBACK frameProcedure(HWND frame, UINT message, WPARAM wParam, LPARAM lParam,
                                UINT_PTR /*subclassId*/, DWORD_PTR background) {
    switch (message) {
        case WM_ERASEBKGND: {
            RECT inside;
            GetClientRect(frame, &inside);
            FillRect(reinterpret_cast<HDC>(wParam), &inside, reinterpret_cast<HBRUSH>(background));
            return 1;
        }
        case WM_NCDESTROY:
            RemoveWindowSubclass(frame, frameProcedure, kSubclassId);
            break;
        default:
            break;
    }
    return DefSubclassProc(frame, message, wParam, lParam);
}

}  // namespace

void fillFrameBackground(HWND frame, HBRUSH background) {
    SetWindowSubclass(frame, frameProcedure, kSubclassId, reinterpret_cast<DWORD_PTR>(background));
}

}  // namespace win32_ui
