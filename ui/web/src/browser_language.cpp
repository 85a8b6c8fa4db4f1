#include "web_ui/browser_language.h"

namespace web_ui {

using emscripten::val;

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

std::string userDecimalSeparator() {
    const val language = val::global("navigator")["language"];
    return decimalSeparatorOf(language.isString() ? language.as<std::string>() : std::string());
}

}  // namespace web_ui
