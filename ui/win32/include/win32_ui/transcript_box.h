#pragma once

#include <windows.h>

#include <cstddef>
#include <string>
#include <string_view>

#include "presenter/transcript_binding.h"

namespace win32_ui {

// A multi-line edit control as the engine's text box (see presenter::TranscriptBinding). The edit
// keeps CR LF natively, so text() returns exactly what setText() was given, and Enter typed by the
// user comes back as CR LF. The edit's modified flag, which the user's edits raise, tells the
// binding that its copy of the text is out of date.
//
// The binding raises the edit's text limit to the most it holds; the default of about 32 K
// characters would cut a pupil's paste short. The user cannot undo what was set, only their own
// edits since. Texts are taken to be valid UTF-8 without null characters, as the program writes
// them.
//
// The edit must outlive the binding, and nothing but the user and this binding may change it.
class TranscriptBox final : public presenter::TranscriptBinding {
public:
    explicit TranscriptBox(HWND edit);

private:
    std::string readContent() const override;
    std::size_t contentLength() const override;
    void replaceContent(std::string_view text) override;
    void appendToContent(std::string_view tail) override;
    bool changedByUser() const override;
    void forgetUndoHistory() override;

    HWND edit_;
};

}  // namespace win32_ui
