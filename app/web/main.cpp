#include <emscripten/val.h>

#include "web_ui/main_form.h"

int main() {
    // The page keeps running once main returns, and the window with it, for the page's life.
    static web_ui::MainForm window(emscripten::val::global("document")["body"]);
    return 0;
}
