#include "win32_ui/native_controls.h"

#include <stdexcept>

#include "win32_ui/text_conversion.h"

namespace win32_ui {

void NativeListBox::clear() { SendMessageW(list_, LB_RESETCONTENT, 0, 0); }

void NativeListBox::addItem(std::string_view text) {
    const std::wstring item = toUtf16(text);
    const LRESULT added =
        SendMessageW(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    if (added == LB_ERR || added == LB_ERRSPACE) {
        throw std::runtime_error("the list box took no more items");
    }
}

std::string NativeListBox::item(int index) const {
    const LRESULT count = SendMessageW(list_, LB_GETCOUNT, 0, 0);
    engine::checkItemIndex(index, count > 0 ? static_cast<std::size_t>(count) : 0);
    const auto row = static_cast<WPARAM>(index);
    const LRESULT length = SendMessageW(list_, LB_GETTEXTLEN, row, 0);
    std::wstring text(static_cast<std::size_t>(length), L'\0');
    // LB_GETTEXT writes the terminating null after the text, where std::wstring keeps one.
    SendMessageW(list_, LB_GETTEXT, row, reinterpret_cast<LPARAM>(text.data()));
    return toUtf8(text);
}

OptionGroup::OptionGroup(const std::array<HWND, engine::kOptionCount>& buttons)
    : buttons_(buttons) {
    keepTabStopOnMarked();
}

void OptionGroup::mark(int index) {
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        const bool marked = static_cast<int>(i) == index;
        SendMessageW(buttons_[i], BM_SETCHECK, marked ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    keepTabStopOnMarked();
}

void OptionGroup::keepTabStopOnMarked() {
    std::size_t entry = 0;
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        if (SendMessageW(buttons_[i], BM_GETCHECK, 0, 0) == BST_CHECKED) {
            entry = i;
        }
    }
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        LONG_PTR style = GetWindowLongPtrW(buttons_[i], GWL_STYLE);
        style = i == entry ? style | WS_TABSTOP : style & ~static_cast<LONG_PTR>(WS_TABSTOP);
        SetWindowLongPtrW(buttons_[i], GWL_STYLE, style);
    }
}

}  // namespace win32_ui
