#pragma once

#include <emscripten/val.h>

#include <vector>

namespace web_ui {

// The scrolled places of the transcript and the lists in a window, kept across a change of its
// scale. A browser keeps an element's scroll offset in pixels, which at another scale would
// show other lines; this brings back the same share of the content above the top, and keeps an
// element scrolled to its end at its end.
class ScrollPositions {
public:
    // Notes where each scrolled element within the window is.
    explicit ScrollPositions(const emscripten::val& window);

    // Scrolls each to the same place in its content at the content's new size.
    void restore() const;

private:
    struct Scrolled {
        emscripten::val element;
        double top;
        double contentHeight;
        bool atEnd;
    };
    std::vector<Scrolled> scrolled_;
};

}  // namespace web_ui
