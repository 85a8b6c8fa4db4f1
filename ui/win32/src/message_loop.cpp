#include "win32_ui/message_loop.h"

#include <windows.h>

#include "win32_ui/main_form.h"

namespace win32_ui {

namespace {

void dispatch(MainForm& form, MSG& message) {
    if (!form.handleWindowKeys(message) && !form.handleNavigation(message)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

}  // namespace

int runMessageLoop(MainForm& form) {
    MSG message{};
    BOOL got = FALSE;
    while ((got = GetMessageW(&message, nullptr, 0, 0)) > 0) {
        dispatch(form, message);
    }
    return got == 0 ? static_cast<int>(message.wParam) : 1;
}

void processPendingMessages(MainForm& form) {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) != FALSE) {
        if (message.message != WM_QUIT) {
            dispatch(form, message);
        }
    }
}

}  // namespace win32_ui
