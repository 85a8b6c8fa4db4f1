// The Win32 bindings hold to the controls' contracts, on the window's own controls where the
// window sets them up (the transcript, the lists, the option group) and on an owner-drawn button
// like the window's, clicked through the system's input queue.

#include <windows.h>
#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "command_button_contract.h"
#include "engine/in_memory/scripted_random_source.h"
#include "input.h"
#include "list_box_contract.h"
#include "option_button_contract.h"
#include "text_box_contract.h"
#include "win32_ui/main_form.h"
#include "win32_ui/native_controls.h"
#include "win32_ui/text_conversion.h"
#include "win32_ui/transcript_box.h"
#include "win32_ui/window_text.h"

namespace {

class Win32Window {
protected:
    HWND control(std::string_view name, int index) { return window_.control({name, index}); }

    win32_ui::MainForm window_{std::make_unique<engine::in_memory::ScriptedRandomSource>()};
};

class Win32ListBox : Win32Window {
public:
    Win32ListBox() { SendMessageW(list_, LB_RESETCONTENT, 0, 0); }
    engine::ListBox& box() { return binding_; }
    std::vector<std::string> shownItems() {
        std::vector<std::string> items;
        const auto count = static_cast<WPARAM>(SendMessageW(list_, LB_GETCOUNT, 0, 0));
        for (WPARAM row = 0; row < count; ++row) {
            std::wstring item(static_cast<std::size_t>(SendMessageW(list_, LB_GETTEXTLEN, row, 0)),
                              L'\0');
            SendMessageW(list_, LB_GETTEXT, row, reinterpret_cast<LPARAM>(item.data()));
            items.push_back(win32_ui::toUtf8(item));
        }
        return items;
    }

private:
    HWND list_ = control("List1", 0);
    win32_ui::NativeListBox binding_{list_};
};

class Win32TextBox : Win32Window {
public:
    Win32TextBox() {
        SetWindowTextW(edit_, L"");
        SetFocus(edit_);
    }
    engine::TextBox& box() { return binding_; }
    std::string shown() { return win32_ui::toUtf8(win32_ui::windowText(edit_)); }
    void typeAtEnd(const std::string& utf8) {
        const auto end = static_cast<WPARAM>(GetWindowTextLengthW(edit_));
        SendMessageW(edit_, EM_SETSEL, end, static_cast<LPARAM>(end));
        win32_test::type(window_, win32_ui::toUtf16(utf8));
    }

private:
    HWND edit_ = control("Text1", 0);
    win32_ui::TranscriptBox binding_{edit_};
};

class Win32OptionButtons : Win32Window {
public:
    Win32OptionButtons() {
        for (std::size_t i = 0; i < buttons_.size(); ++i) {
            bindings_[i] =
                std::make_unique<win32_ui::NativeOptionButton>(group_, static_cast<int>(i));
        }
    }
    engine::OptionButton& option(int index) {
        return *bindings_.at(static_cast<std::size_t>(index));
    }
    int marked() {
        int marked = -1;
        for (std::size_t i = 0; i < buttons_.size(); ++i) {
            if (SendMessageW(buttons_[i], BM_GETCHECK, 0, 0) == BST_CHECKED) {
                EXPECT_EQ(marked, -1) << "two buttons marked";
                marked = static_cast<int>(i);
            }
        }
        // The Tab key enters the group on the marked button, or on the first while none is.
        for (std::size_t i = 0; i < buttons_.size(); ++i) {
            const bool tabStop = (GetWindowLongPtrW(buttons_[i], GWL_STYLE) & WS_TABSTOP) != 0;
            EXPECT_EQ(tabStop, static_cast<int>(i) == std::max(marked, 0)) << "button " << i;
        }
        return marked;
    }

private:
    std::array<HWND, engine::kOptionCount> windowButtons() {
        std::array<HWND, engine::kOptionCount> buttons{};
        for (std::size_t i = 0; i < buttons.size(); ++i) {
            buttons[i] = control("Option1", static_cast<int>(i));
        }
        return buttons;
    }

    std::array<HWND, engine::kOptionCount> buttons_ = windowButtons();
    win32_ui::OptionGroup group_{buttons_};
    std::array<std::unique_ptr<win32_ui::NativeOptionButton>, engine::kOptionCount> bindings_;
};

// A shown window with two owner-drawn buttons, as the main window's, counting the clicks that
// reach it. The second button is always enabled: once its click has come, every earlier input
// has been handled, so a click that did not arrive is known not to, without waiting on a clock.
class Win32CommandButton {
public:
    Win32CommandButton() {
        WNDCLASSW host{};
        host.lpfnWndProc = hostProcedure;
        host.hInstance = GetModuleHandleW(nullptr);
        host.lpszClassName = L"CommandButtonHost";
        RegisterClassW(&host);
        window_ =
            CreateWindowExW(WS_EX_TOPMOST, L"CommandButtonHost", L"host", WS_POPUP | WS_VISIBLE,
                            100, 100, 300, 100, nullptr, nullptr, host.hInstance, nullptr);
        SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&clicks_));
        button_ = makeButton(kButton, 20);
        sentinel_ = makeButton(kSentinel, 160);
        binding_ = std::make_unique<win32_ui::NativeCommandButton>(button_);
        SetForegroundWindow(window_);
    }
    ~Win32CommandButton() { DestroyWindow(window_); }
    Win32CommandButton(const Win32CommandButton&) = delete;
    Win32CommandButton& operator=(const Win32CommandButton&) = delete;

    engine::CommandButton& button() { return *binding_; }
    bool looksEnabled() { return IsWindowEnabled(button_) != FALSE; }
    bool clickArrives() {
        const Clicks before = clicks_;
        win32_test::clickMiddle(button_);
        win32_test::clickMiddle(sentinel_);
        const bool handled = win32_test::processUntil(
            [this] { pump(); }, [&] { return clicks_.sentinel > before.sentinel; });
        EXPECT_TRUE(handled) << "the clicks were not handled within 10 s";
        return clicks_.button > before.button;
    }

private:
    static constexpr int kButton = 1001;
    static constexpr int kSentinel = 1002;
    struct Clicks {
        int button = 0;
        int sentinel = 0;
    };

    static LRESULT CALLBACK hostProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* clicks = reinterpret_cast<Clicks*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED && clicks != nullptr) {
            (LOWORD(wParam) == kButton ? clicks->button : clicks->sentinel) += 1;
            return 0;
        }
        if (message == WM_DRAWITEM) {
            return TRUE;
        }
        return DefWindowProcW(window, message, wParam, lParam);
    }

    HWND makeButton(int identifier, int left) {
        return CreateWindowExW(0, L"BUTTON", L"Задача", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, left,
                               20, 100, 40, window_,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(identifier)),
                               GetModuleHandleW(nullptr), nullptr);
    }

    void pump() {
        MSG message{};
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) != FALSE) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }

    Clicks clicks_;
    HWND window_ = nullptr;
    HWND button_ = nullptr;
    HWND sentinel_ = nullptr;
    std::unique_ptr<win32_ui::NativeCommandButton> binding_;
};

}  // namespace

INSTANTIATE_TYPED_TEST_SUITE_P(Win32, ListBoxContract, Win32ListBox);
INSTANTIATE_TYPED_TEST_SUITE_P(Win32, TextBoxContract, Win32TextBox);
INSTANTIATE_TYPED_TEST_SUITE_P(Win32, OptionButtonContract, Win32OptionButtons);
INSTANTIATE_TYPED_TEST_SUITE_P(Win32, CommandButtonContract, Win32CommandButton);
