#pragma once

#include <emscripten/val.h>

#include "presenter/main_form_view.h"

namespace web_ui {

// The message that a command failed: a modal <dialog> with the title, what went wrong, that
// nothing is lost, and a button that closes it (error_dialog.html). The page goes on once it is
// closed.
class ErrorDialog {
public:
    // Builds the dialog, closed, at the end of host.
    explicit ErrorDialog(emscripten::val host);

    void show(const presenter::ErrorMessage& message);

private:
    emscripten::val dialog_;
    emscripten::val title_;
    emscripten::val text_;
    emscripten::val advice_;
};

}  // namespace web_ui
