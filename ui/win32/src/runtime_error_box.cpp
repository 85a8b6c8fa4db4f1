#include "win32_ui/runtime_error_box.h"

#include <string>

#include "design/runtime_error_texts.h"
#include "win32_ui/text_conversion.h"

namespace win32_ui {

void showRuntimeErrorBox(HWND owner, std::string_view text) {
    std::string message(text);
    message += "\r\n\r\n";
    message += design::runtimeErrorAdvice();
    MessageBoxW(owner, toUtf16(message).c_str(), toUtf16(design::runtimeErrorTitle()).c_str(),
                MB_OK | MB_ICONERROR);
}

}  // namespace win32_ui
