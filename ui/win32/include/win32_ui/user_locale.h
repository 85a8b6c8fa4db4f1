#pragma once

#include <string>

namespace win32_ui {

// The decimal separator of the user's locale, as Windows' regional settings give it (UTF-8):
// "," in Bulgarian, "." in English. "." where the locale gives none.
std::string userDecimalSeparator();

}  // namespace win32_ui
