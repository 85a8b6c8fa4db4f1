#pragma once

#include <emscripten/val.h>

#include <string>

namespace web_ui {

// The decimal separator of a language given as a BCP 47 tag ("bg", "en-US"), as the browser's
// Intl formats numbers in it: "," for Bulgarian, "." for English. An empty tag gives the
// browser's default locale's; without Intl it is ".".
std::string decimalSeparatorOf(const std::string& language);

// The decimal separator of the user's language, the browser's navigator.language.
std::string userDecimalSeparator();

}  // namespace web_ui
