#include <emscripten/val.h>

#include <string>

#include "web_ui/main_form.h"

int main() {
    // The page keeps running once main returns, and the window with it, for the page's life. It
    // is the page's main content, a landmark for screen readers.
    static web_ui::MainForm window(
        emscripten::val::global("document")
            .call<emscripten::val>("querySelector", std::string("main")));
    return 0;
}
