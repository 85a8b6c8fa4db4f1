#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include <exception>

#include "design/runtime_error_texts.h"
#include "win32_ui/main_form.h"
#include "win32_ui/message_loop.h"
#include "win32_ui/runtime_error_box.h"

int WINAPI wWinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int showCommand) {
    // The accessible names are given through COM.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    INITCOMMONCONTROLSEX commonControls{sizeof commonControls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&commonControls);

    int exitCode = 1;
    try {
        win32_ui::MainForm form;
        ShowWindow(form.window(), showCommand);
        UpdateWindow(form.window());
        exitCode = win32_ui::runMessageLoop(form);
    } catch (const std::exception&) {
        win32_ui::showRuntimeErrorBox(nullptr,
                                      {design::runtimeErrorTitle(), design::unexpectedErrorText(),
                                       design::runtimeErrorAdvice()});
    }
    if (SUCCEEDED(com)) {
        CoUninitialize();
    }
    return exitCode;
}
