#include <emscripten/val.h>

#include <string>

#include "web_ui/main_form.h"
#include "web_ui/practice_page.h"
#include "web_ui/sheet_page.h"

int main() {
    using emscripten::val;
    const val document = val::global("document");
    // One module serves every page of the folder; a page says which it is on its body.
    const val page = document["body"]["dataset"]["page"];
    const std::string name = page.isString() ? page.as<std::string>() : std::string();
    if (name == "sheet") {
        static web_ui::SheetPage sheet(document);
        return 0;
    }
    if (name == "practice") {
        static web_ui::PracticePage practice(document);
        return 0;
    }
    // The page keeps running once main returns, and the window with it, for the page's life. It
    // is the page's main content, a landmark for screen readers.
    static web_ui::MainForm window(
        document.call<emscripten::val>("querySelector", std::string("main")));
    return 0;
}
