#pragma once

#include <emscripten/val.h>

#include <string>

#include "design/main_form_design.h"
#include "web_ui/page_window.h"

namespace web_ui::testing {

inline emscripten::val document() { return emscripten::val::global("document"); }

// The window's elements, freshly built in a container of their own at the end of the page's
// body, and removed again with the harness.
class PageHarness {
public:
    PageHarness()
        : container_(document().call<emscripten::val>("createElement", std::string("div"))) {
        document()["body"].call<void>("appendChild", container_);
        page_ = buildPageWindow(container_, design::mainForm());
    }
    ~PageHarness() { container_.call<void>("remove"); }
    PageHarness(const PageHarness&) = delete;
    PageHarness& operator=(const PageHarness&) = delete;

protected:
    emscripten::val container_;
    PageWindow page_;
};

// The textarea's content as the user would copy it out, each line break as CR LF.
inline std::string shownText(const emscripten::val& textarea) {
    return textarea["value"]
        .call<emscripten::val>("replaceAll", std::string("\n"), std::string("\r\n"))
        .as<std::string>();
}

// Types at the end of the textarea through the browser's editing, as a user would: each line
// break of utf8 ("\n") is an Enter. The edit raises an input event and can be undone.
inline void typeAtEnd(emscripten::val& textarea, const std::string& utf8) {
    textarea.call<void>("focus");
    const emscripten::val end = textarea["textLength"];
    textarea.call<void>("setSelectionRange", end, end);
    document().call<bool>("execCommand", std::string("insertText"), false, utf8);
}

}  // namespace web_ui::testing
