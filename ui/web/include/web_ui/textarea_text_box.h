#pragma once

#include <emscripten/val.h>

#include <string>
#include <string_view>

#include "presenter/transcript_binding.h"
#include "web_ui/event_listener.h"

namespace web_ui {

// A <textarea> as the engine's text box (see presenter::TranscriptBinding). The textarea keeps
// lines apart with LF; this binding turns them into CR LF and back, so text() returns exactly
// what setText() was given, and a line break the user typed comes back as CR LF.
//
// An append leaves the user's selection where it was; the browser's undo cannot take back part
// of what was set. Texts are taken to be valid UTF-8, as the program writes them. The textarea
// must outlive the binding.
class TextareaTextBox final : public presenter::TranscriptBinding {
public:
    explicit TextareaTextBox(emscripten::val textarea);

private:
    std::string readContent() const override;
    std::size_t contentLength() const override;
    void replaceContent(std::string_view text) override;
    void appendToContent(std::string_view tail) override;

    emscripten::val textarea_;
    EventListener userEdits_;
};

}  // namespace web_ui
