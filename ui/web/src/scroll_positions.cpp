#include "web_ui/scroll_positions.h"

#include <string>

namespace web_ui {

using emscripten::val;

ScrollPositions::ScrollPositions(const val& window) {
    const val elements = window.call<val>("querySelectorAll", std::string("textarea, select"));
    const int count = elements["length"].as<int>();
    for (int i = 0; i < count; ++i) {
        val element = elements[i];
        const double top = element["scrollTop"].as<double>();
        if (top <= 0.0) {
            continue;
        }
        const double contentHeight = element["scrollHeight"].as<double>();
        // Scroll offsets may be fractional; a pixel short of the end is the end.
        const bool atEnd = top + element["clientHeight"].as<double>() >= contentHeight - 1.0;
        scrolled_.push_back({std::move(element), top, contentHeight, atEnd});
    }
}

void ScrollPositions::restore() const {
    for (const Scrolled& scrolled : scrolled_) {
        val element = scrolled.element;
        const double contentHeight = element["scrollHeight"].as<double>();
        element.set("scrollTop", scrolled.atEnd
                                     ? contentHeight
                                     : scrolled.top * contentHeight / scrolled.contentHeight);
    }
}

}  // namespace web_ui
