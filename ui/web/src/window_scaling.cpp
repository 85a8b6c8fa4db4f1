#include "web_ui/window_scaling.h"

#include <string>

#include "web_ui/scroll_positions.h"
#include "web_ui/style_sheet.h"

namespace web_ui {

using emscripten::val;

WindowScaling::WindowScaling(val window, const design::WindowDesign& design)
    : window_(std::move(window)),
      design_(design),
      document_(window_["ownerDocument"]),
      // Chromium reports F11 this way, and an installed app shown full screen; browsers also
      // report the Fullscreen API's full screen here, which fullscreenElement covers besides.
      fullScreenDisplay_(document_["defaultView"].call<val>(
          "matchMedia", std::string("(display-mode: fullscreen)"))),
      resized_(document_["defaultView"], "resize", refitter()),
      fullScreenChanged_(document_, "fullscreenchange", refitter()),
      displayModeChanged_(fullScreenDisplay_, "change", refitter()) {
    refit();
}

EventListener::Handler WindowScaling::refitter() {
    // One handler type for the three events, whose code WebAssembly then holds once.
    return [this](const val&) { refit(); };
}

bool WindowScaling::fillsScreen() const {
    return fullScreenDisplay_["matches"].as<bool>() || document_["fullscreenElement"].as<bool>();
}

void WindowScaling::refit() {
    const val root = document_["documentElement"];
    const design::PixelSize viewport{root["clientWidth"].as<int>(), root["clientHeight"].as<int>()};
    const page_rules::WindowFit fit =
        page_rules::fitWindow(design_.clientArea, viewport, fillsScreen());
    if (fit != shown_) {
        show(fit);
    }
}

void WindowScaling::show(const page_rules::WindowFit& fit) {
    const ScrollPositions scrolled(window_);
    val style = document_["documentElement"]["style"];
    const std::string scale(kScaleProperty);
    if (fit.scale == 1.0) {
        style.call<void>("removeProperty", scale);
    } else {
        // JavaScript writes the number in full, as the shortest text that reads back the same.
        style.call<void>("setProperty", scale, val(fit.scale));
    }
    if (fit.offset) {
        style.call<void>("setProperty", std::string(kWindowLeftProperty),
                         std::to_string(fit.offset->x) + "px");
        style.call<void>("setProperty", std::string(kWindowTopProperty),
                         std::to_string(fit.offset->y) + "px");
    } else {
        style.call<void>("removeProperty", std::string(kWindowLeftProperty));
        style.call<void>("removeProperty", std::string(kWindowTopProperty));
    }
    document_["documentElement"]["classList"].call<void>("toggle", std::string(kFillingScreenClass),
                                                         fit.offset.has_value());
    scrolled.restore();
    shown_ = fit;
}

}  // namespace web_ui
