#include "transcript_keys.h"

#include <windows.h>
#include <commctrl.h>

namespace win32_ui {

namespace {

constexpr UINT_PTR kSubclassId = 1;

bool isKeyForTheDialogManager(const MSG* message) {
    return message != nullptr && message->message == WM_KEYDOWN &&
           (message->wParam == VK_TAB || message->wParam == VK_ESCAPE);
}

LRESULT CALLBACK transcriptProcedure(HWND edit, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR /*subclassId*/, DWORD_PTR /*data*/) {
    switch (message) {
        case WM_GETDLGCODE: {
            LRESULT code = DefSubclassProc(edit, message, wParam, lParam);
            code &= ~static_cast<LRESULT>(DLGC_HASSETSEL);
            if (isKeyForTheDialogManager(reinterpret_cast<const MSG*>(lParam))) {
                code &= ~static_cast<LRESULT>(DLGC_WANTALLKEYS | DLGC_WANTTAB);
            }
            return code;
        }
        case WM_NCDESTROY:
            RemoveWindowSubclass(edit, transcriptProcedure, kSubclassId);
            break;
        default:
            break;
    }
    return DefSubclassProc(edit, message, wParam, lParam);
}

}  // namespace

void adaptTranscriptKeys(HWND edit) {
    SetWindowSubclass(edit, transcriptProcedure, kSubclassId, 0);
}

}  // namespace win32_ui
