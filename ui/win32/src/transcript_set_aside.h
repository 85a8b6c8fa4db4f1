#pragma once

#include <windows.h>

#include <string>

namespace win32_ui {

// Where the transcript's view starts, as the character at the top left of it: a new font and
// width wrap its lines anew, and the same text should stay in view.
class TranscriptView {
public:
    explicit TranscriptView(HWND edit);
    void restore() const;

private:
    HWND edit_;
    LRESULT firstCharacter_;
};

// Characters past which a new scale takes the transcript's text out of the edit and puts it
// back (TranscriptSetAside). Shorter texts stay in the edit, where the user's last edit can still
// be undone.
inline constexpr int kLongTranscript = 32 * 1024;

// The transcript's text, taken out of the edit while its font and size change, and put back
// with the selection, the view and the modified flag as they were. An edit wraps its whole text
// anew on a new font and again on a new width; Wine's took 7 s for a new font on 1 MiB, eight
// times setting the text once, which is all that putting it back costs.
class TranscriptSetAside {
public:
    explicit TranscriptSetAside(HWND edit);
    TranscriptSetAside(const TranscriptSetAside&) = delete;
    TranscriptSetAside& operator=(const TranscriptSetAside&) = delete;

    // Setting the text forgets the user's last edit, which the edit could otherwise undo: the
    // price of a fast step on a long transcript.
    void putBack() const;

private:
    HWND edit_;
    TranscriptView view_;
    std::wstring text_;
    DWORD selectionStart_ = 0;
    DWORD selectionEnd_ = 0;
    bool modified_ = false;
};

}  // namespace win32_ui
