#include "transcript_set_aside.h"

#include "win32_ui/window_text.h"

namespace win32_ui {

TranscriptView::TranscriptView(HWND edit)
    : edit_(edit),
      firstCharacter_(
          SendMessageW(edit, EM_LINEINDEX,
                       static_cast<WPARAM>(SendMessageW(edit, EM_GETFIRSTVISIBLELINE, 0, 0)), 0)) {}

void TranscriptView::restore() const {
    const LRESULT line =
        SendMessageW(edit_, EM_LINEFROMCHAR, static_cast<WPARAM>(firstCharacter_), 0);
    const LRESULT first = SendMessageW(edit_, EM_GETFIRSTVISIBLELINE, 0, 0);
    if (line != first) {
        SendMessageW(edit_, EM_LINESCROLL, 0, line - first);
    }
}

TranscriptSetAside::TranscriptSetAside(HWND edit)
    : edit_(edit), view_(edit), text_(windowText(edit)) {
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&selectionStart_),
                 reinterpret_cast<LPARAM>(&selectionEnd_));
    modified_ = SendMessageW(edit, EM_GETMODIFY, 0, 0) != 0;
    SetWindowTextW(edit, L"");
}

void TranscriptSetAside::putBack() const {
    SetWindowTextW(edit_, text_.c_str());
    SendMessageW(edit_, EM_SETSEL, selectionStart_, static_cast<LPARAM>(selectionEnd_));
    SendMessageW(edit_, EM_SETMODIFY, modified_ ? TRUE : FALSE, 0);
    view_.restore();
}

}  // namespace win32_ui
