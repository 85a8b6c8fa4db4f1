#include "win32_ui/text_conversion.h"

#include <windows.h>

#include <climits>
#include <stdexcept>

namespace win32_ui {

namespace {

int checkedLength(std::size_t size) {
    if (size > static_cast<std::size_t>(INT_MAX)) {
        throw std::length_error("a text of 2 GiB or more");
    }
    return static_cast<int>(size);
}

}  // namespace

std::wstring toUtf16(std::string_view utf8) {
    if (utf8.empty()) {
        return {};
    }
    const int length = checkedLength(utf8.size());
    const int units = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, nullptr, 0);
    std::wstring utf16(static_cast<std::size_t>(units), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, utf16.data(), units);
    return utf16;
}

std::string toUtf8(std::wstring_view utf16) {
    if (utf16.empty()) {
        return {};
    }
    const int length = checkedLength(utf16.size());
    const int bytes =
        WideCharToMultiByte(CP_UTF8, 0, utf16.data(), length, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, utf16.data(), length, utf8.data(), bytes, nullptr, nullptr);
    return utf8;
}

}  // namespace win32_ui
