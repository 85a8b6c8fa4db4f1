#pragma once

#include <emscripten/val.h>

#include <functional>

#include "design/main_form_design.h"
#include "page_rules/window_fit.h"
#include "web_ui/event_listener.h"

namespace web_ui {

// Keeps the window fitted to the browser's viewport (see page_rules::fitWindow): from the start,
// and whenever the viewport changes size or the page enters or leaves full screen. Only the scale
// and the place change; the elements stay, and with them the text, the selection, the focus, the
// marked option and the buttons' states. Scrolled elements keep showing the same lines.
class WindowScaling {
public:
    // window: the window's element, as made by buildPageWindow.
    WindowScaling(emscripten::val window, const design::WindowDesign& design);
    WindowScaling(const WindowScaling&) = delete;
    WindowScaling& operator=(const WindowScaling&) = delete;

private:
    EventListener::Handler refitter();
    bool fillsScreen() const;
    void refit();
    void show(const page_rules::WindowFit& fit);

    emscripten::val window_;
    const design::WindowDesign& design_;
    emscripten::val document_;
    emscripten::val fullScreenDisplay_;
    page_rules::WindowFit shown_;
    EventListener resized_;
    EventListener fullScreenChanged_;
    EventListener displayModeChanged_;
};

}  // namespace web_ui
