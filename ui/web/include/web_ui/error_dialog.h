#pragma once

#include <emscripten/val.h>

#include <string_view>

namespace web_ui {

// The message that a command failed: a modal <dialog> with the title, what went wrong, that
// nothing is lost, and a button that closes it. The page goes on once it is closed.
class ErrorDialog {
public:
    // Builds the dialog, closed, at the end of host.
    explicit ErrorDialog(emscripten::val host);

    void show(std::string_view text);

private:
    emscripten::val dialog_;
    emscripten::val text_;
};

}  // namespace web_ui
