#include "web_ui/window_scaling.h"

#include <cstdio>
#include <string>

#include "web_ui/scroll_positions.h"
#include "web_ui/style_sheet.h"

namespace web_ui {

using emscripten::val;

namespace {

// Enough digits that the window's edges land where the scale puts them, to a small fraction
// of a pixel on any screen.
std::string cssNumber(double number, const char* unit = "") {
    char text[40];
    std::snprintf(text, sizeof text, "%.10g%s", number, unit);
    return text;
}

}  // namespace

WindowScaling::WindowScaling(val window, const design::WindowDesign& design)
    : window_(std::move(window)),
      design_(design),
      document_(window_["ownerDocument"]),
      // Chromium reports F11 this way, and an installed app shown full screen; browsers also
      // report the Fullscreen API's full screen here, which fullscreenElement covers besides.
      fullScreenDisplay_(document_["defaultView"].call<val>(
          "matchMedia", std::string("(display-mode: fullscreen)"))),
      resized_(document_["defaultView"], "resize", [this] { refit(); }),
      fullScreenChanged_(document_, "fullscreenchange", [this] { refit(); }),
      displayModeChanged_(fullScreenDisplay_, "change", [this] { refit(); }) {
    refit();
}

bool WindowScaling::fillsScreen() const {
    return fullScreenDisplay_["matches"].as<bool>() || document_["fullscreenElement"].as<bool>();
}

void WindowScaling::refit() {
    const val root = document_["documentElement"];
    const design::PixelSize viewport{root["clientWidth"].as<int>(), root["clientHeight"].as<int>()};
    const WindowFit fit = fitWindow(design_.clientArea, viewport, fillsScreen());
    if (fit != shown_) {
        show(fit);
    }
}

void WindowScaling::show(const WindowFit& fit) {
    const ScrollPositions scrolled(window_);
    val style = document_["documentElement"]["style"];
    const std::string scale(kScaleProperty);
    if (fit.scale == 1.0) {
        style.call<void>("removeProperty", scale);
    } else {
        style.call<void>("setProperty", scale, cssNumber(fit.scale));
    }
    if (fit.offset) {
        style.call<void>("setProperty", std::string(kWindowLeftProperty),
                         cssNumber(fit.offset->x, "px"));
        style.call<void>("setProperty", std::string(kWindowTopProperty),
                         cssNumber(fit.offset->y, "px"));
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
