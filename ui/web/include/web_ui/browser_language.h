#pragma once

#include <string>

namespace web_ui {

// The decimal separator of the user's language, the browser's navigator.language, as the
// browser's Intl formats numbers in it: "," for Bulgarian, "." for English. Without a language
// it is the browser's default locale's; without Intl it is ".".
std::string userDecimalSeparator();

}  // namespace web_ui
