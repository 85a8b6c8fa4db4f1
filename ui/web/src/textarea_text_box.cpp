#include "web_ui/textarea_text_box.h"

#include <array>
#include <utility>

#include "web_core/line_breaks.h"

namespace web_ui {

using emscripten::val;

namespace {

// How the history groups the browser's kinds of edit (InputEvent.inputType) into steps; none for
// a kind it cannot take back, which then ends what can be undone.
std::optional<web_core::EditKind> editKindOf(const std::string& inputType) {
    if (inputType == "insertText") {
        return web_core::EditKind::Typing;
    }
    if (inputType == "deleteContentBackward") {
        return web_core::EditKind::DeletingBackward;
    }
    if (inputType == "deleteContentForward") {
        return web_core::EditKind::DeletingForward;
    }
    // Edits of the selection or next to the caret, each a step of its own.
    static constexpr std::array<std::string_view, 16> kOthers{
        "insertLineBreak",       "insertParagraph",
        "insertFromPaste",       "insertFromDrop",
        "insertFromYank",        "insertTranspose",
        "deleteByCut",           "deleteByDrag",
        "deleteContent",         "deleteWordBackward",
        "deleteWordForward",     "deleteSoftLineBackward",
        "deleteSoftLineForward", "deleteHardLineBackward",
        "deleteHardLineForward", "insertFromPasteAsQuotation"};
    for (const std::string_view other : kOthers) {
        if (inputType == other) {
            return web_core::EditKind::Other;
        }
    }
    return std::nullopt;
}

}  // namespace

TextareaTextBox::TextareaTextBox(val textarea)
    : TranscriptBinding(presenter::LineBreaks::OneBreakEach),
      textarea_(std::move(textarea)),
      beforeInput_(textarea_, "beforeinput", [this](const val& event) { beforeEdit(event); }),
      // The program's own writes raise no input event; everything that does is the user's.
      input_(textarea_, "input", [this](const val& event) { afterEdit(event); }),
      keyDown_(textarea_, "keydown", [this](const val& event) { takeUndoKeys(event); }),
      compositionStart_(textarea_, "compositionstart", [this](const val&) { startComposition(); }),
      compositionEnd_(textarea_, "compositionend", [this](const val&) { endComposition(); }) {}

std::string TextareaTextBox::readContent() const {
    return web_core::toEngineLineBreaks(textarea_["value"].as<std::string>());
}

std::size_t TextareaTextBox::contentLength() const {
    return textarea_["textLength"].as<std::size_t>();
}

void TextareaTextBox::replaceContent(std::string_view text) {
    textarea_.set("value", web_core::toTextareaLineBreaks(text));
}

void TextareaTextBox::appendToContent(std::string_view tail) {
    const val end = textarea_["textLength"];
    textarea_.call<void>("setRangeText", web_core::toTextareaLineBreaks(tail), end, end,
                         std::string("preserve"));
}

void TextareaTextBox::forgetUndoHistory() {
    history_.forget();
    editStart_.reset();
}

web_core::Selection TextareaTextBox::selection() const {
    return {textarea_["selectionStart"].as<int>(), textarea_["selectionEnd"].as<int>()};
}

void TextareaTextBox::beforeEdit(const val& event) {
    const std::string inputType = event["inputType"].as<std::string>();
    if (inputType == "historyUndo" || inputType == "historyRedo") {
        event.call<void>("preventDefault");
        apply(inputType == "historyUndo" ? history_.undo() : history_.redo());
        return;
    }
    if (composing_) {
        return;  // the composition is one edit, from its start to its end
    }
    editStart_ = EditStart{editKindOf(inputType), selection(), textarea_["value"]};
}

void TextareaTextBox::afterEdit(const val& event) {
    contentChanged();
    if (composing_) {
        return;
    }
    if (!editStart_) {
        // Some browsers end a composition with an input event of their own.
        if (event["inputType"].as<std::string>() != "insertCompositionText") {
            history_.forget();  // a change that came unannounced
        }
        return;
    }
    recordEdit();
}

void TextareaTextBox::startComposition() {
    composing_ = true;
    editStart_ = EditStart{web_core::EditKind::Other, selection(), textarea_["value"]};
}

void TextareaTextBox::endComposition() {
    composing_ = false;
    contentChanged();
    if (editStart_) {
        recordEdit();
    }
}

void TextareaTextBox::recordEdit() {
    const EditStart start = std::move(*editStart_);
    editStart_.reset();
    const val text = textarea_["value"];
    const web_core::Selection after = selection();
    const std::optional<web_core::EditSpan> span =
        start.kind ? web_core::editSpan(start.selection, start.text["length"].as<int>(), after,
                                         text["length"].as<int>())
                   : std::nullopt;
    if (!span) {
        history_.forget();
        return;
    }
    const auto slice = [](const val& from, int position, int length) {
        return from.call<val>("slice", position, position + length).as<std::string>();
    };
    history_.record(*start.kind,
                    {span->position, slice(start.text, span->position, span->removedLength),
                     slice(text, span->position, span->insertedLength), start.selection, after});
}

void TextareaTextBox::takeUndoKeys(const val& event) {
    // By the key's place, so that Ctrl+Z is undo whatever the layout (Cyrillic included).
    const bool command = event["ctrlKey"].as<bool>() || event["metaKey"].as<bool>();
    if (!command || event["altKey"].as<bool>() || composing_) {
        return;
    }
    const std::string key = event["code"].as<std::string>();
    const bool shift = event["shiftKey"].as<bool>();
    if (key != "KeyZ" && !(key == "KeyY" && !shift)) {
        return;
    }
    event.call<void>("preventDefault");
    apply(key == "KeyZ" && !shift ? history_.undo() : history_.redo());
}

void TextareaTextBox::apply(const std::optional<web_core::TextEdit>& edit) {
    if (!edit) {
        return;
    }
    editStart_.reset();
    textarea_.call<void>("setRangeText", edit->inserted, edit->position,
                         edit->position + web_core::utf16Length(edit->removed),
                         std::string("preserve"));
    textarea_.call<void>("setSelectionRange", edit->after.start, edit->after.end);
    contentChanged();
}

}  // namespace web_ui
