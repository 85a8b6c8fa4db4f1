#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "engine/text_box.h"

namespace win32_ui {

// A multi-line edit control as the engine's text box. The edit keeps CR LF natively, so text()
// returns exactly what setText() was given, and Enter typed by the user comes back as CR LF.
//
// The binding raises the edit's text limit to the most it holds; the default of about 32 K
// characters would cut a pupil's paste short. setText() with a text that extends the current
// one selects the end and replaces the selection with the new tail, so an append costs what is
// appended, however long the transcript has grown; any other text replaces the content. Either
// way the user cannot undo what was set, only their own edits since. Texts are taken to be valid
// UTF-8 without null characters, as the program writes them.
//
// The edit must outlive the binding, and nothing but the user and this binding may change it.
class TranscriptBox final : public engine::TextBox {
public:
    explicit TranscriptBox(HWND edit);

    std::string text() const override;
    void setText(std::string_view text) override;

private:
    int length() const;
    bool knownMatchesContent() const;
    void refreshKnownText() const;
    void appendAtEnd(std::string_view tail);
    void forgetUndoAndChanges();

    HWND edit_;
    // The content as last set or read. Valid while the edit's modified flag, which the user's
    // edits raise, stays down; it spares reading the whole content back on every append.
    mutable std::string known_;
    mutable bool knownIsCurrent_ = false;
};

}  // namespace win32_ui
