#include "web_ui/browser_language.h"

#include <emscripten/val.h>

namespace web_ui {

using emscripten::val;

namespace {

// For a language given as a BCP 47 tag ("bg", "en-US"); an empty tag gives the default locale's.
std::string decimalSeparatorOf(const std::string& language) {
    const val numberFormat = val::global("Intl")["NumberFormat"];
    if (numberFormat.isUndefined()) {
        return ".";
    }
    // An empty tag would make it throw; none picks the default locale.
    val locales = val::array();
    if (!language.empty()) {
        locales.call<void>("push", language);
    }
    const val parts = numberFormat.new_(locales).call<val>("formatToParts", 1.5);
    const int count = parts["length"].as<int>();
    for (int i = 0; i < count; ++i) {
        if (parts[i]["type"].as<std::string>() == "decimal") {
            return parts[i]["value"].as<std::string>();
        }
    }
    return ".";
}

}  // namespace

std::string userDecimalSeparator() {
    const val language = val::global("navigator")["language"];
    return decimalSeparatorOf(language.isString() ? language.as<std::string>() : std::string());
}

}  // namespace web_ui
