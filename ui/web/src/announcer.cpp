#include "web_ui/announcer.h"

#include <string>
#include <utility>

#include "page_rules/line_breaks.h"

namespace web_ui {

using emscripten::val;

Announcer::Announcer(val host)
    : region_(host["ownerDocument"].call<val>("createElement", std::string("div"))) {
    region_.set("className", std::string("announcement"));
    region_.call<void>("setAttribute", std::string("role"), std::string("status"));
    region_.call<void>("setAttribute", std::string("aria-live"), std::string("polite"));
    host.call<void>("appendChild", region_);
}

void Announcer::announce(std::string_view text) {
    region_.set("textContent", page_rules::toTextareaLineBreaks(text));
}

}  // namespace web_ui
