#pragma once

#include <string>

namespace web_ui {

// The decimal separator of the user's language, as the browser's Intl formats numbers in it: ","
// for Bulgarian, "." for English. The first of navigator.language and navigator.languages that
// the browser takes; where it takes none ("C", as WebKitGTK reports under the C locale), the
// default locale's; without Intl, ".".
std::string userDecimalSeparator();

}  // namespace web_ui
