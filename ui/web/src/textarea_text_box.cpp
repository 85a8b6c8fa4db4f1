#include "web_ui/textarea_text_box.h"

#include <utility>

#include "web_ui/line_breaks.h"

namespace web_ui {

using emscripten::val;

TextareaTextBox::TextareaTextBox(val textarea)
    : textarea_(std::move(textarea)),
      // The program's own writes raise no input event; everything that does is the user's.
      userEdits_(textarea_, "input", [this] { knownIsCurrent_ = false; }) {}

std::string TextareaTextBox::text() const {
    refreshKnownText();
    return known_;
}

void TextareaTextBox::setText(std::string_view text) {
    // Every UTF-16 unit of the value takes at least one byte of UTF-8, so a shorter text cannot
    // start with the value. Replacing a long transcript with a new problem then skips reading
    // the old one back.
    if (text.size() >= textarea_["textLength"].as<std::size_t>()) {
        refreshKnownText();
    }
    if (knownIsCurrent_ && !known_.empty() && text.starts_with(known_)) {
        appendAtEnd(text.substr(known_.size()));
        known_.append(text, known_.size());
    } else {
        textarea_.set("value", toTextareaLineBreaks(text));
        known_.assign(text);
        knownIsCurrent_ = true;
    }
}

void TextareaTextBox::refreshKnownText() const {
    if (!knownIsCurrent_) {
        known_ = toEngineLineBreaks(textarea_["value"].as<std::string>());
        knownIsCurrent_ = true;
    }
}

void TextareaTextBox::appendAtEnd(std::string_view tail) {
    // The textarea already broke the line at a lone CR; the LF that completes it adds no second
    // break.
    if (known_.back() == '\r' && tail.starts_with('\n')) {
        tail.remove_prefix(1);
    }
    if (tail.empty()) {
        return;
    }
    const val end = textarea_["textLength"];
    textarea_.call<void>("setRangeText", toTextareaLineBreaks(tail), end, end,
                         std::string("preserve"));
}

}  // namespace web_ui
