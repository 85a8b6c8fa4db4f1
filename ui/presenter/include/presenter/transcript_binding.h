#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "engine/text_box.h"

namespace presenter {

// How a multi-line text control keeps the line breaks of a text it is given.
enum class LineBreaks {
    AsWritten,     // each CR and LF as it was written (a Win32 edit)
    OneBreakEach,  // each CR LF, lone CR or lone LF as one break of its own (a textarea, Qt)
};

// What every binding of a multi-line text control to the engine's text box shares. It keeps the
// text as last written or read, so that
//  - setText() with a text that extends it writes only the new tail, at the end of the control,
//    and an append costs what is appended, however long the transcript has grown; any other text
//    replaces the content;
//  - text() reads the control back only after the user changed it;
//  - a text longer than the control's content is the only one read back for, as a shorter one
//    cannot extend it: replacing a long transcript with a new problem skips reading it.
// A binding supplies the few toolkit calls below, and tells of the user's edits either by calling
// contentChanged() or through changedByUser().
class TranscriptBinding : public engine::TextBox {
public:
    std::string text() const final;
    void setText(std::string_view text) final;

protected:
    explicit TranscriptBinding(LineBreaks lineBreaks) : lineBreaks_(lineBreaks) {}
    TranscriptBinding(const TranscriptBinding&) = delete;
    TranscriptBinding& operator=(const TranscriptBinding&) = delete;

    // The control's content changed. Ignored while the binding itself writes.
    void contentChanged();

private:
    // The control's whole content, each line break as CR LF.
    virtual std::string readContent() const = 0;
    // The content's length in UTF-16 units: no UTF-8 text of it is shorter.
    virtual std::size_t contentLength() const = 0;
    virtual void replaceContent(std::string_view text) = 0;
    // Puts the text after the content's last character, whatever is selected.
    virtual void appendToContent(std::string_view tail) = 0;
    // For a control that is asked rather than heard from: whether the user changed the content
    // since the binding last wrote or read it.
    virtual bool changedByUser() const { return false; }
    // After each write: the control forgets what it could undo. What the program wrote is not
    // the user's to undo; Ctrl+Z after a command would otherwise take back part of a problem or
    // its solution, out of step with the buttons.
    virtual void forgetUndoHistory() = 0;

    bool knownIsCurrent() const { return knownIsCurrent_ && !changedByUser(); }
    void refreshKnownText() const;

    LineBreaks lineBreaks_;
    mutable std::string known_;
    mutable bool knownIsCurrent_ = false;
    bool writing_ = false;
};

}  // namespace presenter
