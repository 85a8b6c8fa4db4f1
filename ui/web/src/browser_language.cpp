#include "web_ui/browser_language.h"

#include <emscripten/val.h>

#include <optional>
#include <vector>

#include "page_rules/decimal_separator.h"

extern "C" {
// From browser_language.js.
emscripten::EM_VAL web_ui_decimal_separator_of(emscripten::EM_VAL tag);
}

namespace web_ui {

using emscripten::val;

namespace {

std::optional<std::string> decimalSeparatorOf(const std::string& tag) {
    const val separator = val::take_ownership(web_ui_decimal_separator_of(val(tag).as_handle()));
    if (!separator.isString()) {
        return std::nullopt;
    }
    return separator.as<std::string>();
}

// The browser's languages as it reports them, whatever they are: navigator.language first, then
// navigator.languages.
std::vector<std::string> browserLanguages() {
    const val navigator = val::global("navigator");
    std::vector<std::string> languages;
    if (const val language = navigator["language"]; language.isString()) {
        languages.push_back(language.as<std::string>());
    }
    const val list = navigator["languages"];
    if (val::global("Array").call<bool>("isArray", list)) {
        const int count = list["length"].as<int>();
        for (int i = 0; i < count; ++i) {
            if (list[i].isString()) {
                languages.push_back(list[i].as<std::string>());
            }
        }
    }
    return languages;
}

}  // namespace

std::string userDecimalSeparator() {
    return page_rules::firstDecimalSeparator(browserLanguages(), decimalSeparatorOf);
}

}  // namespace web_ui
