#pragma once

#include <emscripten/val.h>

#include <string>
#include <string_view>

#include "engine/text_box.h"
#include "web_ui/event_listener.h"

namespace web_ui {

// A <textarea> as the engine's text box. The textarea keeps lines apart with LF; this binding
// turns them into CR LF and back, so text() returns exactly what setText() was given, and a line
// break the user typed comes back as CR LF.
//
// setText() with a text that extends the current one inserts only the new tail at the end, so an
// append costs what is appended and leaves the user's selection where it was. Any other text
// replaces the value. Either way the browser's undo cannot take back part of what was set.
// Texts are taken to be valid UTF-8, as the program writes them.
class TextareaTextBox final : public engine::TextBox {
public:
    explicit TextareaTextBox(emscripten::val textarea);

    std::string text() const override;
    void setText(std::string_view text) override;

private:
    void refreshKnownText() const;
    void appendAtEnd(std::string_view tail);

    emscripten::val textarea_;
    // The text as last set or read. Valid until the user edits the textarea; it spares reading
    // the whole value back on every append.
    mutable std::string known_;
    mutable bool knownIsCurrent_ = false;
    EventListener userEdits_;
};

}  // namespace web_ui
