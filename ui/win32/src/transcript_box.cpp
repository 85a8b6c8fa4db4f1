#include "win32_ui/transcript_box.h"

#include "win32_ui/text_conversion.h"
#include "win32_ui/window_text.h"

namespace win32_ui {

TranscriptBox::TranscriptBox(HWND edit) : edit_(edit) {
    // 0 lifts the limit to the most a multi-line edit can hold.
    SendMessageW(edit_, EM_SETLIMITTEXT, 0, 0);
}

std::string TranscriptBox::text() const {
    refreshKnownText();
    return known_;
}

void TranscriptBox::setText(std::string_view text) {
    // Every UTF-16 unit of the content takes at least one byte of UTF-8, so a text shorter than
    // the content cannot extend it: replacing a long transcript skips reading it back.
    if (!knownMatchesContent() && text.size() >= static_cast<std::size_t>(length())) {
        refreshKnownText();
    }
    if (knownMatchesContent() && !known_.empty() && text.starts_with(known_)) {
        const std::string_view tail = text.substr(known_.size());
        appendAtEnd(tail);
        known_.append(tail);
    } else {
        SetWindowTextW(edit_, toUtf16(text).c_str());
        known_.assign(text);
        knownIsCurrent_ = true;
    }
    forgetUndoAndChanges();
}

int TranscriptBox::length() const { return GetWindowTextLengthW(edit_); }

bool TranscriptBox::knownMatchesContent() const {
    return knownIsCurrent_ && SendMessageW(edit_, EM_GETMODIFY, 0, 0) == 0;
}

void TranscriptBox::refreshKnownText() const {
    if (knownMatchesContent()) {
        return;
    }
    known_ = toUtf8(windowText(edit_));
    knownIsCurrent_ = true;
    SendMessageW(edit_, EM_SETMODIFY, FALSE, 0);
}

void TranscriptBox::appendAtEnd(std::string_view tail) {
    if (tail.empty()) {
        return;
    }
    const auto end = static_cast<WPARAM>(length());
    SendMessageW(edit_, EM_SETSEL, end, static_cast<LPARAM>(end));
    SendMessageW(edit_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(toUtf16(tail).c_str()));
}

void TranscriptBox::forgetUndoAndChanges() {
    // What the program wrote is not the user's to undo: Ctrl+Z after a command would otherwise
    // take back part of a problem or its solution, out of step with the buttons.
    SendMessageW(edit_, EM_EMPTYUNDOBUFFER, 0, 0);
    SendMessageW(edit_, EM_SETMODIFY, FALSE, 0);
}

}  // namespace win32_ui
