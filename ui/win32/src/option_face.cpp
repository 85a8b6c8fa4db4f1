#include "option_face.h"

#include <uxtheme.h>
#include <vsstyle.h>

#include <cmath>
#include <string>

#include "win32_ui/window_text.h"

namespace win32_ui {

namespace {

// The mark's side at a DPI, as the button itself makes it: 13 pixels at 96 dots per inch.
int markSide(int dotsPerInch) { return 12 * dotsPerInch / USER_DEFAULT_SCREEN_DPI + 1; }

int themeState(bool checked, UINT itemState) {
    if ((itemState & CDIS_DISABLED) != 0) {
        return checked ? RBS_CHECKEDDISABLED : RBS_UNCHECKEDDISABLED;
    }
    if ((itemState & CDIS_SELECTED) != 0) {
        return checked ? RBS_CHECKEDPRESSED : RBS_UNCHECKEDPRESSED;
    }
    if ((itemState & CDIS_HOT) != 0) {
        return checked ? RBS_CHECKEDHOT : RBS_UNCHECKEDHOT;
    }
    return checked ? RBS_CHECKEDNORMAL : RBS_UNCHECKEDNORMAL;
}

// The visual style's parts drawn for a DPI of our choosing (Windows 10 1703 on); looked up, as
// MinGW's import library lacks it. None where no style is in use, as under Wine.
HTHEME openThemeForDpi(HWND window, UINT dotsPerInch) {
    using OpenForDpi = HTHEME(WINAPI*)(HWND, LPCWSTR, UINT);
    static const auto open = reinterpret_cast<OpenForDpi>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"uxtheme.dll"), "OpenThemeDataForDpi")));
    return open != nullptr ? open(window, L"BUTTON", dotsPerInch) : nullptr;
}

void drawMark(HWND button, HDC dc, RECT box, bool checked, UINT itemState, int dotsPerInch) {
    HTHEME theme = openThemeForDpi(button, static_cast<UINT>(dotsPerInch));
    if (theme != nullptr) {
        DrawThemeBackground(theme, dc, BP_RADIOBUTTON, themeState(checked, itemState), &box,
                            nullptr);
        CloseThemeData(theme);
        return;
    }
    UINT state = DFCS_BUTTONRADIO;
    state |= checked ? DFCS_CHECKED : 0;
    state |= (itemState & CDIS_SELECTED) != 0 ? DFCS_PUSHED : 0;
    state |= (itemState & CDIS_DISABLED) != 0 ? DFCS_INACTIVE : 0;
    DrawFrameControl(dc, &box, DFC_BUTTON, state);
}

}  // namespace

LRESULT paintScaledOption(const NMCUSTOMDRAW& draw, double scale, int dotsPerInch,
                          HBRUSH background) {
    if (draw.dwDrawStage != CDDS_PREPAINT || scale == 1.0) {
        return CDRF_DODEFAULT;
    }
    HWND button = draw.hdr.hwndFrom;
    HDC dc = draw.hdc;
    const RECT area = draw.rc;
    FillRect(dc, &area, background);

    const int side = markSide(static_cast<int>(std::lround(dotsPerInch * scale)));
    RECT box{area.left, area.top + (area.bottom - area.top - side) / 2, area.left + side, 0};
    box.bottom = box.top + side;
    const bool checked = SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
    drawMark(button, dc, box, checked, draw.uItemState,
             static_cast<int>(std::lround(dotsPerInch * scale)));

    // The caption half a digit's width after the mark, as the button places it.
    const HGDIOBJ previousFont =
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(button, WM_GETFONT, 0, 0)));
    INT digitWidth = 0;
    GetCharWidth32W(dc, L'0', L'0', &digitWidth);
    RECT text{box.right + digitWidth / 2, area.top, area.right, area.bottom};
    const std::wstring shown = windowText(button);
    const int previousMode = SetBkMode(dc, TRANSPARENT);
    SetTextColor(
        dc, GetSysColor((draw.uItemState & CDIS_DISABLED) != 0 ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
    RECT measured = text;
    DrawTextW(dc, shown.c_str(), static_cast<int>(shown.size()), &measured,
              DT_SINGLELINE | DT_NOPREFIX | DT_CALCRECT);
    DrawTextW(dc, shown.c_str(), static_cast<int>(shown.size()), &text,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    SetBkMode(dc, previousMode);
    SelectObject(dc, previousFont);

    const bool focusShown = (SendMessageW(button, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) == 0;
    if ((draw.uItemState & CDIS_FOCUS) != 0 && focusShown) {
        const int height = measured.bottom - measured.top;
        RECT focus{text.left - 1, text.top + (text.bottom - text.top - height) / 2 - 1,
                   measured.right + 1, 0};
        focus.bottom = focus.top + height + 2;
        DrawFocusRect(dc, &focus);
    }
    return CDRF_SKIPDEFAULT;
}

}  // namespace win32_ui
