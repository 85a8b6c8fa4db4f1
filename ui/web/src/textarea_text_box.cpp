#include "web_ui/textarea_text_box.h"

#include <utility>

#include "presenter/line_breaks.h"

namespace web_ui {

using emscripten::val;

TextareaTextBox::TextareaTextBox(val textarea)
    : TranscriptBinding(presenter::LineBreaks::OneBreakEach),
      textarea_(std::move(textarea)),
      // The program's own writes raise no input event; everything that does is the user's.
      userEdits_(textarea_, "input", [this] { contentChanged(); }) {}

std::string TextareaTextBox::readContent() const {
    return presenter::toEngineLineBreaks(textarea_["value"].as<std::string>());
}

std::size_t TextareaTextBox::contentLength() const {
    return textarea_["textLength"].as<std::size_t>();
}

void TextareaTextBox::replaceContent(std::string_view text) {
    textarea_.set("value", presenter::toTextareaLineBreaks(text));
}

void TextareaTextBox::appendToContent(std::string_view tail) {
    const val end = textarea_["textLength"];
    textarea_.call<void>("setRangeText", presenter::toTextareaLineBreaks(tail), end, end,
                         std::string("preserve"));
}

}  // namespace web_ui
