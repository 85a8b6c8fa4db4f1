#pragma once

#include <emscripten/val.h>

#include <optional>
#include <string>
#include <string_view>

#include "page_rules/edit_history.h"
#include "presenter/transcript_binding.h"
#include "web_ui/event_listener.h"

namespace web_ui {

// A <textarea> as the engine's text box (see presenter::TranscriptBinding). The textarea keeps
// lines apart with LF; this binding turns them into CR LF and back, so text() returns exactly
// what setText() was given, and a line break the user typed comes back as CR LF. An append
// leaves the user's selection where it was. Texts are taken to be valid UTF-8, as the program
// writes them. The textarea must outlive the binding.
//
// Undo and redo are the binding's own (page_rules::EditHistory), in place of the browser's, which
// keeps its editing history across the program's writes and would replay it at offsets that no
// longer hold: only the user's edits since the program last wrote can be undone, and what the
// program wrote is never taken back in part. They answer Ctrl+Z, Ctrl+Shift+Z and Ctrl+Y (Cmd on
// a Mac) in every browser, and the browser's own undo and redo (its menus, a tablet's gestures).
// Each edit is recorded as the textarea's own UTF-16 units, and only once checked against the
// text it left (page_rules::checkedEdit, which reads slices of the text around the edit, never all
// of it); an edit that does not check (a transpose, a composition the browser rewrote, a kind of
// edit not known here) leaves nothing to undo. So undo and redo bring back only texts the box
// held. While an input method composes, undo and redo do nothing, whoever asks for them.
class TextareaTextBox final : public presenter::TranscriptBinding {
public:
    explicit TextareaTextBox(emscripten::val textarea);

private:
    std::string readContent() const override;
    std::size_t contentLength() const override;
    void replaceContent(std::string_view text) override;
    void appendToContent(std::string_view tail) override;
    void forgetUndoHistory() override;

    // The user's edit as it starts, and once the browser has made it.
    void beforeEdit(const emscripten::val& event);
    void afterEdit(const emscripten::val& event);
    void startComposition();
    void endComposition(const emscripten::val& event);
    void takeUndoKeys(const emscripten::val& event);
    void recordEdit(std::optional<std::u16string> told);
    void undoOrRedo(bool undo);
    page_rules::Selection selection() const;

    // What an edit starts from: no kind for an edit of a kind the history cannot take back.
    struct EditStart {
        std::optional<page_rules::EditKind> kind;
        page_rules::Selection selection;
        emscripten::val text;
        // The text the event says it inserts.
        std::optional<std::u16string> told;
    };

    emscripten::val textarea_;
    page_rules::EditHistory history_;
    std::optional<EditStart> editStart_;
    bool composing_ = false;
    // The text's length when a composition was last recorded: a browser that tells of the
    // composition's end before its last input event must not have changed the text in between.
    std::optional<int> lengthAtCompositionEnd_;
    EventListener beforeInput_;
    EventListener input_;
    EventListener keyDown_;
    EventListener compositionStart_;
    EventListener compositionEnd_;
};

}  // namespace web_ui
