#include "win32_ui/transcript_box.h"

#include "win32_ui/text_conversion.h"
#include "win32_ui/window_text.h"

namespace win32_ui {

TranscriptBox::TranscriptBox(HWND edit)
    : TranscriptBinding(presenter::LineBreaks::AsWritten), edit_(edit) {
    // 0 lifts the limit to the most a multi-line edit can hold.
    SendMessageW(edit_, EM_SETLIMITTEXT, 0, 0);
}

std::string TranscriptBox::readContent() const {
    std::string text = toUtf8(windowText(edit_));
    // What was read is known from here on, until the user changes it again.
    SendMessageW(edit_, EM_SETMODIFY, FALSE, 0);
    return text;
}

std::size_t TranscriptBox::contentLength() const {
    return static_cast<std::size_t>(GetWindowTextLengthW(edit_));
}

void TranscriptBox::replaceContent(std::string_view text) {
    SetWindowTextW(edit_, toUtf16(text).c_str());
}

void TranscriptBox::appendToContent(std::string_view tail) {
    const auto end = static_cast<WPARAM>(GetWindowTextLengthW(edit_));
    SendMessageW(edit_, EM_SETSEL, end, static_cast<LPARAM>(end));
    SendMessageW(edit_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(toUtf16(tail).c_str()));
}

bool TranscriptBox::changedByUser() const { return SendMessageW(edit_, EM_GETMODIFY, 0, 0) != 0; }

void TranscriptBox::forgetUndoHistory() {
    SendMessageW(edit_, EM_EMPTYUNDOBUFFER, 0, 0);
    // Nor is the write a change of the user's (changedByUser()).
    SendMessageW(edit_, EM_SETMODIFY, FALSE, 0);
}

}  // namespace win32_ui
