#include "button_face.h"

#include <string>

#include "win32_ui/window_text.h"

namespace win32_ui {

namespace {

void drawCaption(HDC dc, const std::wstring& text, RECT area, COLORREF colour) {
    SetTextColor(dc, colour);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

}  // namespace

void paintButtonFace(const DRAWITEMSTRUCT& item, COLORREF face) {
    HDC dc = item.hDC;
    RECT area = item.rcItem;
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;

    HBRUSH brush = CreateSolidBrush(face);
    FillRect(dc, &area, brush);
    DeleteObject(brush);
    DrawEdge(dc, &area, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);

    const HGDIOBJ previousFont =
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(item.hwndItem, WM_GETFONT, 0, 0)));
    const int previousMode = SetBkMode(dc, TRANSPARENT);
    const std::wstring text = windowText(item.hwndItem);
    RECT captionArea = area;
    if (pressed) {
        OffsetRect(&captionArea, 1, 1);
    }
    if ((item.itemState & ODS_DISABLED) != 0) {
        RECT highlight = captionArea;
        OffsetRect(&highlight, 1, 1);
        drawCaption(dc, text, highlight, GetSysColor(COLOR_3DHILIGHT));
        drawCaption(dc, text, captionArea, GetSysColor(COLOR_GRAYTEXT));
    } else {
        drawCaption(dc, text, captionArea, GetSysColor(COLOR_BTNTEXT));
    }
    SetBkMode(dc, previousMode);
    SelectObject(dc, previousFont);

    if ((item.itemState & ODS_FOCUS) != 0 && (item.itemState & ODS_NOFOCUSRECT) == 0) {
        RECT focus = area;
        const int inset = 2 * GetSystemMetrics(SM_CXEDGE);
        InflateRect(&focus, -inset, -inset);
        DrawFocusRect(dc, &focus);
    }
}

}  // namespace win32_ui
