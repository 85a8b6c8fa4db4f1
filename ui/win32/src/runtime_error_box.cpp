#include "win32_ui/runtime_error_box.h"

#include <string>

#include "win32_ui/text_conversion.h"

namespace win32_ui {

void showRuntimeErrorBox(HWND owner, const presenter::ErrorMessage& message) {
    std::string text(message.text);
    text += "\r\n\r\n";
    text += message.advice;
    MessageBoxW(owner, toUtf16(text).c_str(), toUtf16(message.title).c_str(), MB_OK | MB_ICONERROR);
}

}  // namespace win32_ui
