#include "web_ui/textarea_text_box.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>

#include "page_rules/line_breaks.h"

namespace web_ui {

using emscripten::val;

namespace {

// How the history groups the browser's kinds of edit (InputEvent.inputType) into steps; none for
// a kind it cannot take back, which then ends what can be undone.
std::optional<page_rules::EditKind> editKindOf(const std::string& inputType) {
    if (inputType == "insertText") {
        return page_rules::EditKind::Typing;
    }
    if (inputType == "deleteContentBackward") {
        return page_rules::EditKind::DeletingBackward;
    }
    if (inputType == "deleteContentForward") {
        return page_rules::EditKind::DeletingForward;
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
            return page_rules::EditKind::Other;
        }
    }
    return std::nullopt;
}

// The textarea's text as the history's check reads it: slices of a JavaScript string, in its
// own UTF-16 units, lone surrogates included (embind reads a std::u16string unit by unit).
class JsText final : public page_rules::TextView {
public:
    explicit JsText(val text) : text_(std::move(text)), length_(text_["length"].as<int>()) {}

    int length() const override { return length_; }
    std::u16string slice(int start, int end) const override {
        return text_.call<val>("slice", start, end).as<std::u16string>();
    }

private:
    val text_;
    int length_;
};

// A JavaScript string of the units. Not through embind's own std::u16string, which decodes all
// but the shortest with a TextDecoder that turns a lone surrogate into U+FFFD.
val jsString(std::u16string_view units) {
    // Within what Function.prototype.apply takes as arguments in every engine.
    constexpr std::size_t kChunk = 8192;
    const val fromCharCode = val::global("String")["fromCharCode"];
    val text("");
    for (std::size_t start = 0; start < units.size(); start += kChunk) {
        const std::size_t count = std::min(kChunk, units.size() - start);
        const val chunk(emscripten::typed_memory_view(
            count, reinterpret_cast<const std::uint16_t*>(units.data() + start)));
        text = text.call<val>("concat", fromCharCode.call<val>("apply", val::null(), chunk));
    }
    return text;
}

// The text an input event says it inserts, where it says one.
std::optional<std::u16string> toldText(const val& event, const std::string& inputType) {
    if (inputType == "insertLineBreak" || inputType == "insertParagraph") {
        return u"\n";
    }
    const val data = event["data"];
    if (inputType.starts_with("insert") && data.isString()) {
        return data.as<std::u16string>();
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
      compositionEnd_(textarea_, "compositionend",
                      [this](const val& event) { endComposition(event); }) {}

std::string TextareaTextBox::readContent() const {
    return page_rules::toEngineLineBreaks(textarea_["value"].as<std::string>());
}

std::size_t TextareaTextBox::contentLength() const {
    return textarea_["textLength"].as<std::size_t>();
}

void TextareaTextBox::replaceContent(std::string_view text) {
    textarea_.set("value", page_rules::toTextareaLineBreaks(text));
}

void TextareaTextBox::appendToContent(std::string_view tail) {
    const val end = textarea_["textLength"];
    textarea_.call<void>("setRangeText", page_rules::toTextareaLineBreaks(tail), end, end,
                         std::string("preserve"));
}

void TextareaTextBox::forgetUndoHistory() {
    history_.forget();
    editStart_.reset();
    lengthAtCompositionEnd_.reset();
}

page_rules::Selection TextareaTextBox::selection() const {
    return {textarea_["selectionStart"].as<int>(), textarea_["selectionEnd"].as<int>()};
}

void TextareaTextBox::beforeEdit(const val& event) {
    const std::string inputType = event["inputType"].as<std::string>();
    if (inputType == "historyUndo" || inputType == "historyRedo") {
        event.call<void>("preventDefault");
        // Not under a composition, which the browser would go on with over the text undone.
        if (!composing_ && !event["isComposing"].as<bool>()) {
            undoOrRedo(inputType == "historyUndo");
        }
        return;
    }
    if (composing_ && !event["isComposing"].as<bool>()) {
        // Chromium may drop a composition without its end: the edit ends it.
        composing_ = false;
        if (editStart_) {
            recordEdit(std::nullopt);
        }
    }
    if (composing_) {
        return;  // the composition is one edit, from its start to its end
    }
    lengthAtCompositionEnd_.reset();
    editStart_ = EditStart{editKindOf(inputType), selection(), textarea_["value"],
                           toldText(event, inputType)};
}

void TextareaTextBox::afterEdit(const val& event) {
    contentChanged();
    if (composing_) {
        return;
    }
    if (editStart_) {
        recordEdit(std::move(editStart_->told));
        return;
    }
    // Some browsers end a composition with an input event of their own, after its end; any
    // other change came unannounced.
    const bool endOfComposition = event["inputType"].as<std::string>() == "insertCompositionText" &&
                                  lengthAtCompositionEnd_ == textarea_["textLength"].as<int>();
    if (!endOfComposition) {
        history_.forget();
    }
    lengthAtCompositionEnd_.reset();
}

void TextareaTextBox::startComposition() {
    composing_ = true;
    lengthAtCompositionEnd_.reset();
    editStart_ = EditStart{page_rules::EditKind::Other, selection(), textarea_["value"], {}};
}

void TextareaTextBox::endComposition(const val& event) {
    composing_ = false;
    contentChanged();
    if (!editStart_) {
        history_.forget();
        return;
    }
    const val data = event["data"];
    recordEdit(data.isString() ? std::optional(data.as<std::u16string>()) : std::nullopt);
    lengthAtCompositionEnd_ = textarea_["textLength"].as<int>();
}

void TextareaTextBox::recordEdit(std::optional<std::u16string> told) {
    const EditStart start = std::move(*editStart_);
    editStart_.reset();
    if (!start.kind) {
        history_.forget();
        return;
    }
    const JsText before(start.text);
    const JsText after(textarea_["value"]);
    std::optional<page_rules::TextEdit> edit =
        page_rules::checkedEdit(start.selection, before, selection(), after,
                                told ? std::optional<std::u16string_view>(*told) : std::nullopt);
    if (edit) {
        history_.record(*start.kind, std::move(*edit), after.length());
    } else {
        history_.forget();
    }
}

void TextareaTextBox::takeUndoKeys(const val& event) {
    // By the key's place, so that Ctrl+Z is undo whatever the layout (Cyrillic included).
    const bool command = event["ctrlKey"].as<bool>() || event["metaKey"].as<bool>();
    if (!command || event["altKey"].as<bool>()) {
        return;
    }
    const std::string key = event["code"].as<std::string>();
    const bool shift = event["shiftKey"].as<bool>();
    if (key != "KeyZ" && !(key == "KeyY" && !shift)) {
        return;
    }
    event.call<void>("preventDefault");
    if (!composing_ && !event["isComposing"].as<bool>()) {
        undoOrRedo(key == "KeyZ" && !shift);
    }
}

void TextareaTextBox::undoOrRedo(bool undo) {
    const JsText text(textarea_["value"]);
    const std::optional<page_rules::TextEdit> edit =
        undo ? history_.undo(text) : history_.redo(text);
    if (!edit) {
        return;
    }
    editStart_.reset();
    lengthAtCompositionEnd_.reset();
    textarea_.call<void>("setRangeText", jsString(edit->inserted), edit->position,
                         edit->position + static_cast<int>(edit->removed.size()),
                         std::string("preserve"));
    textarea_.call<void>("setSelectionRange", edit->after.start, edit->after.end);
    contentChanged();
}

}  // namespace web_ui
