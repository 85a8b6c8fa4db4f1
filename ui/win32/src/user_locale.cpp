#include "win32_ui/user_locale.h"

#include <windows.h>

#include <array>

#include "win32_ui/text_conversion.h"

namespace win32_ui {

std::string userDecimalSeparator() {
    // At most four characters and the terminating null, says LOCALE_SDECIMAL's documentation.
    std::array<wchar_t, 8> separator{};
    const int written = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator.data(),
                                        static_cast<int>(separator.size()));
    if (written <= 1) {
        return ".";
    }
    return toUtf8(std::wstring_view(separator.data(), static_cast<std::size_t>(written - 1)));
}

}  // namespace win32_ui
