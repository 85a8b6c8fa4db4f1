// Builds the window's controls by walking its description: their kinds, places, captions,
// colours, font, the names a screen reader announces, and the tab order.

#include <windows.h>
#include <commctrl.h>

#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>

#include "accessible_names.h"
#include "button_face.h"
#include "frame_background.h"
#include "option_face.h"
#include "transcript_keys.h"
#include "win32_ui/main_form.h"
#include "win32_ui/text_conversion.h"
#include "window_styles.h"

namespace win32_ui {

namespace {

constexpr int kFirstControlIdentifier = 100;

COLORREF toColorref(const design::Rgb& colour) {
    return RGB(colour.red, colour.green, colour.blue);
}

std::size_t indexOf(const design::ControlId& id) {
    const auto& controls = design::mainForm().controls;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (controls[i].id == id) {
            return i;
        }
    }
    throw std::out_of_range("the main window has no control " + design::objectName(id));
}

// What GetDlgCtrlID gives for a control. None is IDOK or IDCANCEL, which the dialog manager
// sends for Enter and Escape.
int controlIdentifier(const design::ControlId& id) {
    return kFirstControlIdentifier + static_cast<int>(indexOf(id));
}

const wchar_t* windowClassName() {
    static const std::wstring name = toUtf16(design::mainForm().designName);
    return name.c_str();
}

// The class and the style of each kind of control. Every control but the second to last option
// buttons starts a group of the dialog manager's, so the arrow keys move only among the option
// buttons; their stop of the Tab key is kept by OptionGroup.
struct NativeKind {
    const wchar_t* className;
    DWORD style;
    DWORD exStyle;
};

NativeKind nativeKind(const design::Control& control) {
    const bool centred = control.alignment == design::Alignment::Centre;
    switch (control.kind) {
        case design::ControlKind::Label:
            return {L"STATIC",
                    static_cast<DWORD>(WS_GROUP | SS_NOPREFIX | SS_CENTERIMAGE |
                                       (centred ? SS_CENTER : SS_LEFT)),
                    0};
        case design::ControlKind::Frame:
            return {L"BUTTON", WS_GROUP | BS_GROUPBOX, 0};
        case design::ControlKind::OptionButton:
            return {L"BUTTON",
                    static_cast<DWORD>((control.id.index == 0 ? WS_GROUP : 0) | BS_AUTORADIOBUTTON),
                    0};
        case design::ControlKind::CommandButton:
            return {L"BUTTON", WS_GROUP | WS_TABSTOP | BS_OWNERDRAW, 0};
        case design::ControlKind::TextBox:
            return {L"EDIT",
                    WS_GROUP | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL |
                        ES_WANTRETURN | ES_NOHIDESEL,
                    WS_EX_CLIENTEDGE};
        case design::ControlKind::ListBox:
            return {L"LISTBOX", WS_GROUP | WS_TABSTOP | WS_VSCROLL | LBS_NOINTEGRALHEIGHT,
                    WS_EX_CLIENTEDGE};
    }
    throw std::logic_error("a control of an unknown kind");
}

// The control an identifier stands for, as its index in the description; none for identifiers
// that are not the window's controls' (the dialog manager's IDOK, say).
std::optional<std::size_t> controlIndexOf(INT_PTR identifier) {
    const INT_PTR index = identifier - kFirstControlIdentifier;
    if (index < 0 || index >= static_cast<INT_PTR>(design::mainForm().controls.size())) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(index);
}

}  // namespace

HWND MainForm::control(const design::ControlId& id) const { return controls_.at(indexOf(id)); }

void MainForm::createWindow() {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass{};
    if (GetClassInfoExW(instance, windowClassName(), &windowClass) == FALSE) {
        windowClass = WNDCLASSEXW{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = windowProcedure;
        windowClass.hInstance = instance;
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.lpszClassName = windowClassName();
        // The program's icon, resource 1 of the executable (none in the tests).
        windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
        if (RegisterClassExW(&windowClass) == 0) {
            throw std::runtime_error("the main window's class could not be registered");
        }
    }
    const design::WindowDesign& design = design::mainForm();
    windowBackground_ = CreateSolidBrush(toColorref(design.background));
    CreateWindowExW(kWindowExStyle, windowClassName(), toUtf16(design.title).c_str(), kWindowStyle,
                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                    instance, this);
    if (window_ == nullptr) {
        throw std::runtime_error("the main window could not be made");
    }
}

void MainForm::createControls() {
    const design::WindowDesign& design = design::mainForm();
    // Windows visits the controls with the Tab key in the order they are made.
    for (const design::ControlId& id : design.tabOrder) {
        const std::size_t index = indexOf(id);
        const design::Control& control = design.controls[index];
        controls_[index] = createControl(control);
        if (control.background) {
            backgrounds_[index] = CreateSolidBrush(toColorref(*control.background));
            if (control.kind == design::ControlKind::Frame) {
                fillFrameBackground(controls_[index], backgrounds_[index]);
            }
        }
    }
}

HWND MainForm::createControl(const design::Control& control) {
    const NativeKind kind = nativeKind(control);
    HWND created = CreateWindowExW(
        kind.exStyle, kind.className, toUtf16(control.caption).c_str(),
        WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | kind.style, 0, 0, 0, 0, window_,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlIdentifier(control.id))),
        GetModuleHandleW(nullptr), nullptr);
    if (created == nullptr) {
        throw std::runtime_error("the control " + design::objectName(control.id) +
                                 " could not be made");
    }
    const auto slot = static_cast<std::size_t>(control.id.index);
    switch (control.kind) {
        case design::ControlKind::OptionButton:
            options_.at(slot) = created;
            break;
        case design::ControlKind::CommandButton:
            commands_.at(slot) = created;
            break;
        case design::ControlKind::TextBox:
            transcript_ = created;
            adaptTranscriptKeys(created);
            break;
        case design::ControlKind::ListBox:
        case design::ControlKind::Label:
        case design::ControlKind::Frame:
            break;
    }
    return created;
}

void MainForm::nameControlsForScreenReaders() {
    const auto& controls = design::mainForm().controls;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        accessibleNames_->annotate(controls_[i], controls[i].accessibleName,
                                   controls[i].accessibleDescription);
    }
}

LRESULT MainForm::colourControl(HDC dc, HWND control) {
    const std::optional<std::size_t> index = controlIndexOf(GetDlgCtrlID(control));
    if (!index || backgrounds_[*index] == nullptr) {
        return DefWindowProcW(window_, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                              reinterpret_cast<LPARAM>(control));
    }
    SetBkColor(dc, toColorref(*design::mainForm().controls[*index].background));
    return reinterpret_cast<LRESULT>(backgrounds_[*index]);
}

bool MainForm::paintCommandButton(const DRAWITEMSTRUCT& item) {
    const std::optional<std::size_t> index = controlIndexOf(static_cast<INT_PTR>(item.CtlID));
    if (item.CtlType != ODT_BUTTON || !index) {
        return false;
    }
    const design::Control& control = design::mainForm().controls[*index];
    const COLORREF face =
        control.background ? toColorref(*control.background) : GetSysColor(COLOR_BTNFACE);
    paintButtonFace(item, face);
    return true;
}

LRESULT MainForm::paintOption(const NMCUSTOMDRAW& draw) {
    const std::optional<std::size_t> index = controlIndexOf(static_cast<INT_PTR>(draw.hdr.idFrom));
    if (!index || design::mainForm().controls[*index].kind != design::ControlKind::OptionButton) {
        return CDRF_DODEFAULT;
    }
    return paintScaledOption(draw, scale_, dotsPerInch_, backgrounds_[*index]);
}

}  // namespace win32_ui
