#pragma once

#include <string>
#include <string_view>

// The engine and the window's description speak UTF-8; Windows' W functions speak UTF-16.
namespace win32_ui {

// Invalid UTF-8 becomes U+FFFD; a byte-order mark is kept like any other character.
std::wstring toUtf16(std::string_view utf8);
// A lone surrogate becomes U+FFFD.
std::string toUtf8(std::wstring_view utf16);

}  // namespace win32_ui
