#include "win32_ui/main_form.h"

#include <utility>

#include "accessible_names.h"
#include "presenter/main_form_presenter.h"
#include "win32_ui/native_controls.h"
#include "win32_ui/runtime_error_box.h"
#include "win32_ui/transcript_box.h"
#include "win32_ui/user_locale.h"

namespace win32_ui {

MainForm::MainForm(std::unique_ptr<engine::RandomSource> random, ErrorReport reportError)
    : reportError_(reportError ? std::move(reportError) : showRuntimeErrorBox) {
    createWindow();
    createControls();
    setDotsPerInch(static_cast<int>(GetDpiForWindow(window_)));
    resizeClientArea(sizing_.leastClientSize());
    accessibleNames_ = std::make_unique<AccessibleNames>();
    nameControlsForScreenReaders();
    // Focus rectangles show once the keyboard is used, as in a dialog box.
    SendMessageW(window_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_INITIALIZE, 0), 0);
    optionGroup_ = std::make_unique<OptionGroup>(options_);
    presenter::MainFormView& view = *this;
    presenter_ = std::make_unique<presenter::MainFormPresenter>(view, userDecimalSeparator(),
                                                                std::move(random));
}

MainForm::~MainForm() {
    presenter_.reset();
    if (window_ != nullptr) {
        DestroyWindow(window_);
    }
    if (font_ != nullptr) {
        DeleteObject(font_);
    }
    for (HBRUSH brush : backgrounds_) {
        if (brush != nullptr) {
            DeleteObject(brush);
        }
    }
    if (windowBackground_ != nullptr) {
        DeleteObject(windowBackground_);
    }
}

std::unique_ptr<engine::ListBox> MainForm::bindList(int index) {
    return std::make_unique<NativeListBox>(control(design::listId(index)));
}

std::unique_ptr<engine::TextBox> MainForm::bindTranscript() {
    return std::make_unique<TranscriptBox>(transcript_);
}

std::unique_ptr<engine::OptionButton> MainForm::bindOption(int index) {
    return std::make_unique<NativeOptionButton>(*optionGroup_, index);
}

std::unique_ptr<engine::CommandButton> MainForm::bindCommand(int index) {
    return std::make_unique<NativeCommandButton>(control(design::commandId(index)));
}

bool MainForm::hasFocus(const design::ControlId& id) const { return GetFocus() == control(id); }

bool MainForm::isEnabled(const design::ControlId& id) const {
    return IsWindowEnabled(control(id)) != FALSE;
}

void MainForm::focus(const design::ControlId& id) {
    // A window that is not active yet, as while it is made, gets the focus once it is.
    focusOnActivation_ = control(id);
    if (GetActiveWindow() == window_) {
        SetFocus(focusOnActivation_);
    }
}

void MainForm::showFirstLines() {
    SendMessageW(transcript_, EM_SETSEL, 0, 0);
    SendMessageW(transcript_, EM_SCROLLCARET, 0, 0);
}

void MainForm::showNewestLines() {
    const auto end = static_cast<WPARAM>(GetWindowTextLengthW(transcript_));
    SendMessageW(transcript_, EM_SETSEL, end, static_cast<LPARAM>(end));
    SendMessageW(transcript_, EM_SCROLLCARET, 0, 0);
}

void MainForm::reportError(const presenter::ErrorMessage& message) {
    reportError_(window_, message);
}

bool MainForm::handleNavigation(MSG& message) {
    return window_ != nullptr && IsDialogMessageW(window_, &message) != FALSE;
}

LRESULT CALLBACK MainForm::windowProcedure(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* form =
            static_cast<MainForm*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        form->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    }
    auto* form = reinterpret_cast<MainForm*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (form == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        form->window_ = nullptr;
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return form->handleMessage(message, wParam, lParam);
}

LRESULT MainForm::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            onCommand(HIWORD(wParam), reinterpret_cast<HWND>(lParam));
            return 0;
        case WM_NEXTDLGCTL:
            moveFocus(wParam, lParam);
            return 0;
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) {
                HWND focus = GetFocus();
                if (focus != nullptr && IsChild(window_, focus)) {
                    focusOnActivation_ = focus;
                }
            } else if (focusOnActivation_ != nullptr) {
                SetFocus(focusOnActivation_);
            }
            return 0;
        case WM_SETFOCUS:
            if (focusOnActivation_ != nullptr) {
                SetFocus(focusOnActivation_);
            }
            return 0;
        case WM_CTLCOLORSTATIC:
            return colourControl(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        case WM_NOTIFY: {
            const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
            if (header.code == NM_CUSTOMDRAW) {
                return paintOption(*reinterpret_cast<const NMCUSTOMDRAW*>(lParam));
            }
            break;
        }
        case WM_DRAWITEM:
            if (paintCommandButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) {
                return TRUE;
            }
            break;
        case WM_ERASEBKGND: {
            RECT client;
            GetClientRect(window_, &client);
            FillRect(reinterpret_cast<HDC>(wParam), &client, windowBackground_);
            return 1;
        }
        case WM_SIZE:
            fitDesignToWindow();
            return 0;
        case WM_GETMINMAXINFO:
            limitTrackingSize(*reinterpret_cast<MINMAXINFO*>(lParam));
            return 0;
        case WM_GETDPISCALEDSIZE:
            // The size for the new DPI is exact, not the old one scaled.
            return onDpiScaledSize(static_cast<int>(wParam), *reinterpret_cast<SIZE*>(lParam));
        case WM_DPICHANGED:
            onDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_DESTROY:
            // The annotations go with the controls they name.
            accessibleNames_.reset();
            PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

void MainForm::onCommand(WORD notification, HWND control) {
    if (notification != BN_CLICKED || control == nullptr) {
        return;  // also Enter and Escape, which the dialog manager sends as IDOK and IDCANCEL
    }
    for (std::size_t i = 0; i < commands_.size(); ++i) {
        if (control == commands_[i]) {
            presenter_->commandClicked(static_cast<int>(i));
            return;
        }
    }
    for (HWND option : options_) {
        if (control == option) {
            optionGroup_->keepTabStopOnMarked();
            return;
        }
    }
}

void MainForm::moveFocus(WPARAM wParam, LPARAM lParam) {
    // As a dialog box does: lParam says whether wParam is the control to focus, or otherwise
    // whether to go back (non-zero) or on to the next stop of the Tab key.
    HWND target = LOWORD(lParam) != 0
                      ? reinterpret_cast<HWND>(wParam)
                      : GetNextDlgTabItem(window_, GetFocus(), wParam != 0 ? TRUE : FALSE);
    if (target != nullptr) {
        SetFocus(target);
    }
}

}  // namespace win32_ui
