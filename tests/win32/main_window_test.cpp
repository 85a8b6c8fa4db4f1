// The Win32 window: its start, the commands through real clicks and keys, the keyboard under
// the dialog manager, the transcript's undo, a failure's message box, and the names for screen
// readers.

#include <windows.h>
#include <initguid.h>
#include <oleacc.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "design/main_form_design.h"
#include "window_fixture.h"

namespace {

std::string focusedName(win32_ui::MainForm& window) {
    HWND focus = GetFocus();
    for (const design::Control& control : design::mainForm().controls) {
        if (window.control(control.id) == focus) {
            return design::objectName(control.id);
        }
    }
    return focus == nullptr ? "nothing" : "a window outside the form";
}

int markedOption(win32_ui::MainForm& window) {
    int marked = -1;
    for (int i = 0; i < engine::kOptionCount; ++i) {
        if (SendMessageW(window.control({"Option1", i}), BM_GETCHECK, 0, 0) == BST_CHECKED) {
            marked = i;
        }
    }
    return marked;
}

// The window gives the focus to the transcript once it is active, showing the text from its
// first line, the caret at the start and nothing selected.
TEST_F(WindowTest, StartsWithTheTranscriptFocusedFromItsFirstLine) {
    EXPECT_EQ(focusedName(*window_), "Text1_0");
    DWORD start = 1, end = 1;
    SendMessageW(transcriptEdit(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 0u);
    EXPECT_EQ(SendMessageW(transcriptEdit(), EM_GETFIRSTVISIBLELINE, 0, 0), 0);
}

TEST_F(WindowTest, MakeAndSolveWithMouseAndKeyboard) {
    pose(kExample);
    EXPECT_EQ(transcript(), kExamplePosed);
    EXPECT_EQ(markedOption(*window_), 1);
    EXPECT_TRUE(IsWindowEnabled(command(1)));

    // Picking another letter by hand is allowed and changes nothing that is solved.
    win32_test::clickMiddle(control("Option1", 4));
    ASSERT_TRUE(processUntil([this] { return markedOption(*window_) == 4; }));

    // Space on the focused "Сметки": it solves, disables itself and hands the focus on.
    SetFocus(command(1));
    win32_test::pressKey(*window_, VK_SPACE);
    ASSERT_TRUE(processUntil([this] { return IsWindowEnabled(command(1)) == FALSE; }));
    EXPECT_EQ(transcript(), kExamplePosed + kExampleSolution);
    EXPECT_EQ(focusedName(*window_), "Command1_0");

    click(1);  // disabled: nothing happens
    EXPECT_EQ(transcript(), kExamplePosed + kExampleSolution);

    pose({{3, 3, 3}, {0, 0, 0}, 1, 1});
    EXPECT_EQ(markedOption(*window_), 0);
    EXPECT_TRUE(transcript().starts_with("Примерен текст на условие:\r\nАко X крана"));
}

// Enter on a button does nothing, as on a push button of the Linux window; Escape does not
// close the window.
TEST_F(WindowTest, EnterAndEscapeLeaveEverythingAsItWas) {
    for (const char* name : {"Command1_0", "Text1_0", "List1_0"}) {
        SCOPED_TRACE(name);
        for (const design::Control& control : design::mainForm().controls) {
            if (design::objectName(control.id) == name) {
                SetFocus(window_->control(control.id));
            }
        }
        const std::string before = transcript();
        const bool typesLineBreak = std::string(name) == "Text1_0";
        win32_test::pressKey(*window_, VK_RETURN);
        win32_test::pressKey(*window_, VK_ESCAPE);
        EXPECT_TRUE(IsWindow(window_->window()));
        EXPECT_EQ(transcript(), typesLineBreak ? "\r\n" + before : before);
        EXPECT_EQ(focusedName(*window_), name);
        EXPECT_FALSE(IsWindowEnabled(command(1)));
    }
}

// What the program writes is not the user's to undo; what the user types is.
TEST_F(WindowTest, UndoTakesBackOnlyWhatTheUserTyped) {
    HWND edit = transcriptEdit();
    EXPECT_FALSE(SendMessageW(edit, EM_CANUNDO, 0, 0));
    pose(kExample);
    EXPECT_FALSE(SendMessageW(edit, EM_CANUNDO, 0, 0));

    SetFocus(edit);
    caretToTranscriptEnd();
    win32_test::type(*window_, L"мисля, че 5");
    EXPECT_TRUE(SendMessageW(edit, EM_CANUNDO, 0, 0));
    click(1);
    EXPECT_EQ(transcript(), kExamplePosed + "мисля, че 5" + kExampleSolution);
    EXPECT_FALSE(SendMessageW(edit, EM_CANUNDO, 0, 0));

    win32_test::type(*window_, L"!");
    SendMessageW(edit, WM_UNDO, 0, 0);
    EXPECT_EQ(transcript(), kExamplePosed + "мисля, че 5" + kExampleSolution);
}

TEST_F(WindowTest, TabVisitsTheControlsInTheDesignedOrder) {
    std::vector<std::string> expected;
    for (const design::ControlId& id : design::mainForm().tabOrder) {
        const design::ControlKind kind = design::control(id).kind;
        const bool solveDisabled = id == design::ControlId{"Command1", 1};
        const bool unmarkedOption = kind == design::ControlKind::OptionButton && id.index != 0;
        if (design::takesFocus(kind) && !solveDisabled && !unmarkedOption) {
            expected.push_back(design::objectName(id));
        }
    }
    std::vector<std::string> visited{focusedName(*window_)};
    for (std::size_t i = 1; i < expected.size(); ++i) {
        win32_test::pressKey(*window_, VK_TAB);
        visited.push_back(focusedName(*window_));
    }
    EXPECT_EQ(visited, expected);
    win32_test::pressKey(*window_, VK_TAB);
    EXPECT_EQ(focusedName(*window_), "Text1_0") << "Tab goes round";
}

// The option group is one stop of the Tab key, entered on the marked letter (or on "A" when none
// is marked) from either side; the arrow keys move within it and mark the letter they reach.
struct OptionGroupRow {
    bool posed;
    const char* from;
    bool backwards;
    const char* entered;
    const char* afterArrow;
    const char* leftTo;
};

class OptionGroupTabStop : public WindowTest,
                           public ::testing::WithParamInterface<OptionGroupRow> {};

TEST_P(OptionGroupTabStop, EntersOnTheMarkedLetter) {
    const OptionGroupRow& row = GetParam();
    if (row.posed) {
        pose(kExample);  // unknown B
    }
    const auto focusByName = [this](const char* name) {
        for (const design::Control& control : design::mainForm().controls) {
            if (design::objectName(control.id) == name) {
                SetFocus(window_->control(control.id));
            }
        }
    };
    focusByName(row.from);
    const auto tab = [&](bool backwards) {
        if (backwards) {
            BYTE keys[256]{};
            GetKeyboardState(keys);
            keys[VK_SHIFT] = 0x80;
            SetKeyboardState(keys);
            win32_test::pressKey(*window_, VK_TAB);
            keys[VK_SHIFT] = 0;
            SetKeyboardState(keys);
        } else {
            win32_test::pressKey(*window_, VK_TAB);
        }
    };
    tab(row.backwards);
    EXPECT_EQ(focusedName(*window_), row.entered);
    win32_test::pressKey(*window_, VK_RIGHT);
    EXPECT_EQ(focusedName(*window_), row.afterArrow);
    tab(row.backwards);
    EXPECT_EQ(focusedName(*window_), row.leftTo);
    // The letter the arrow reached is marked, and coming back the group is entered there.
    tab(!row.backwards);
    EXPECT_EQ(focusedName(*window_), row.afterArrow);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, OptionGroupTabStop,
    ::testing::Values(
        OptionGroupRow{false, "Command1_0", false, "Option1_0", "Option1_1", "List1_11"},
        OptionGroupRow{false, "List1_11", true, "Option1_0", "Option1_1", "Command1_0"},
        OptionGroupRow{true, "Command1_0", false, "Option1_1", "Option1_2", "Command1_1"},
        OptionGroupRow{true, "Command1_1", true, "Option1_1", "Option1_2", "Command1_0"}));

TEST_F(WindowTest, ViewFollowsTheNewestLines) {
    pose(kExample);
    HWND edit = transcriptEdit();
    SetFocus(edit);
    caretToTranscriptEnd();
    for (int line = 0; line < 30; ++line) {
        win32_test::pressKey(*window_, VK_RETURN);
    }
    SendMessageW(edit, EM_SETSEL, 0, 0);
    SendMessageW(edit, EM_SCROLLCARET, 0, 0);
    ASSERT_EQ(SendMessageW(edit, EM_GETFIRSTVISIBLELINE, 0, 0), 0);

    click(1);

    SCROLLINFO scroll{};
    scroll.cbSize = sizeof scroll;
    scroll.fMask = SIF_ALL;
    ASSERT_TRUE(GetScrollInfo(edit, SB_VERT, &scroll));
    EXPECT_GT(scroll.nMax, static_cast<int>(scroll.nPage));
    EXPECT_EQ(scroll.nPos + static_cast<int>(scroll.nPage), scroll.nMax + 1);
}

// The answer's decimal separator is the user's locale's: "," in Bulgarian. Run once as the
// locale is set, and again under Wine with LC_ALL=bg_BG.UTF-8 (see CMakeLists.txt).
TEST_F(WindowTest, AnswerUsesTheUsersDecimalSeparator) {
    const char* expected = std::getenv("PROPORCIA_EXPECTED_DECIMAL_SEPARATOR");
    pose({{5, 12, 7}, {1, 0, 3}, 1, 1});
    click(1);
    EXPECT_TRUE(transcript().ends_with("X = (7 * 20 * 24) / (12 * 112) = 2" +
                                       std::string(expected != nullptr ? expected : ".") + "5\r\n"))
        << transcript();
}

// Closes each message box of this thread's as it shows, noting its owner, title and text. The
// box's own message loop runs the timer, while the test waits in it.
class MessageBoxCloser {
public:
    struct Box {
        HWND owner;
        std::string title;
        std::string text;
    };

    MessageBoxCloser() : timer_(SetTimer(nullptr, 0, 10, &MessageBoxCloser::onTimer)) {
        instance_ = this;
    }
    ~MessageBoxCloser() {
        KillTimer(nullptr, timer_);
        instance_ = nullptr;
    }
    MessageBoxCloser(const MessageBoxCloser&) = delete;
    MessageBoxCloser& operator=(const MessageBoxCloser&) = delete;

    const std::vector<Box>& boxes() const { return boxes_; }

private:
    static void CALLBACK onTimer(HWND, UINT, UINT_PTR, DWORD) {
        EnumThreadWindows(GetCurrentThreadId(), &closeIfMessageBox, 0);
    }

    static BOOL CALLBACK closeIfMessageBox(HWND window, LPARAM) {
        wchar_t className[16]{};
        GetClassNameW(window, className, 16);
        if (std::wstring_view(className) != L"#32770" || IsWindowVisible(window) == FALSE ||
            window == instance_->closing_) {
            return TRUE;
        }
        // A message box's text is the static control 0xFFFF, on Windows and in Wine.
        instance_->boxes_.push_back(
            {GetWindow(window, GW_OWNER), win32_ui::toUtf8(win32_ui::windowText(window)),
             win32_ui::toUtf8(win32_ui::windowText(GetDlgItem(window, 0xFFFF)))});
        instance_->closing_ = window;
        PostMessageW(window, WM_COMMAND, IDOK, 0);
        return FALSE;
    }

    static inline MessageBoxCloser* instance_ = nullptr;
    UINT_PTR timer_;
    HWND closing_ = nullptr;
    std::vector<Box> boxes_;
};

// A command that fails is told in a message box of the window's: the presenter's title, and its
// text with the advice a paragraph below. Once it is closed, the window goes on working.
TEST_F(WindowTest, FailedCommandIsReportedInAMessageBox) {
    makeWindow(nullptr);
    pose(kExample);
    HWND numbers = control("List1", 0);
    SendMessageW(numbers, LB_DELETESTRING, 2, 0);
    SendMessageW(numbers, LB_INSERTSTRING, 2, reinterpret_cast<LPARAM>(L"abc"));
    {
        const MessageBoxCloser closer;
        click(1);
        ASSERT_EQ(closer.boxes().size(), 1u);
        const MessageBoxCloser::Box& box = closer.boxes()[0];
        EXPECT_EQ(box.owner, window_->window());
        EXPECT_EQ(box.title, "Грешка при изпълнение");
        EXPECT_EQ(box.text,
                  "В списъка с числа има запис, който не е число.\r\n\r\n"
                  "Написаното дотук е запазено и програмата продължава работа. Натиснете "
                  "„Задача“ за нова задача.");
    }
    pose(kExample);
    click(1);
    EXPECT_EQ(transcript(), kExamplePosed + kExampleSolution);
}

// A pupil's 10 MiB paste, beyond the default limit of a multi-line edit (about 32 K characters),
// is taken whole, and both commands work after it.
TEST_F(WindowTest, TenMebibytePasteIsTakenWhole) {
    pose(kExample);
    const std::wstring line = L"Пресмятам: 7 * 28 = 196; 196 / 12 = 16,33 (проверка)\r\n";
    const std::size_t lineBytes = win32_ui::toUtf8(line).size();
    std::wstring pasted;
    for (std::size_t bytes = 0; bytes < std::size_t{10} << 20; bytes += lineBytes) {
        pasted += line;
    }
    ASSERT_TRUE(OpenClipboard(window_->window()));
    EmptyClipboard();
    const std::size_t bytes = (pasted.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    std::memcpy(GlobalLock(memory), pasted.c_str(), bytes);
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();

    HWND edit = transcriptEdit();
    caretToTranscriptEnd();
    SendMessageW(edit, WM_PASTE, 0, 0);
    const std::string expected = kExamplePosed + win32_ui::toUtf8(pasted);
    ASSERT_EQ(transcript().size(), expected.size());

    // Neither command sets the long text again, which would take Wine's edit control some
    // seconds per MiB. Timed in this process's processor time, which other programs on a busy
    // machine do not lengthen.
    const auto processorSeconds = [] {
        FILETIME created, exited, kernel, user;
        GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
        const auto seconds = [](const FILETIME& time) {
            return static_cast<double>((static_cast<ULONGLONG>(time.dwHighDateTime) << 32) |
                                       time.dwLowDateTime) /
                   1e7;
        };
        return seconds(kernel) + seconds(user);
    };
    const auto timed = [&](const std::function<void()>& action) {
        const double start = processorSeconds();
        action();
        return processorSeconds() - start;
    };
    const double solveSeconds = timed([this] { click(1); });
    EXPECT_EQ(transcript(), expected + kExampleSolution);
    const double makeSeconds = timed([this] { pose(kExample); });
    EXPECT_EQ(transcript(), kExamplePosed);
    std::printf("Сметки %.3f s, Задача %.3f s after the paste\n", solveSeconds, makeSeconds);
    EXPECT_LT(solveSeconds, 3.0);
    EXPECT_LT(makeSeconds, 3.0);
}

// Whether this system keeps accessibility annotations; Wine 8 does not (E_NOTIMPL).
bool annotationsWork(HWND window) {
    IAccPropServices* services = nullptr;
    if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IAccPropServices, reinterpret_cast<void**>(&services)))) {
        return false;
    }
    const HRESULT set = services->SetHwndPropStr(window, static_cast<DWORD>(OBJID_CLIENT),
                                                 CHILDID_SELF, PROPID_ACC_HELP, L"?");
    if (SUCCEEDED(set)) {
        MSAAPROPID help = PROPID_ACC_HELP;
        services->ClearHwndProps(window, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, &help, 1);
    }
    services->Release();
    return SUCCEEDED(set);
}

// Screen readers announce the names from the description.
TEST_F(WindowTest, ControlsCarryTheirAccessibleNames) {
    if (!annotationsWork(window_->window())) {
        GTEST_SKIP() << "This system does not keep accessibility annotations (IAccPropServices), "
                        "as Wine 8 does not: the names can only be read back on Windows";
    }
    for (const design::Control& control : design::mainForm().controls) {
        if (control.accessibleName.empty()) {
            continue;
        }
        SCOPED_TRACE(design::objectName(control.id));
        IAccessible* accessible = nullptr;
        ASSERT_EQ(AccessibleObjectFromWindow(window_->control(control.id),
                                             static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                             reinterpret_cast<void**>(&accessible)),
                  S_OK);
        VARIANT self{};
        self.vt = VT_I4;
        self.lVal = CHILDID_SELF;
        BSTR name = nullptr;
        accessible->get_accName(self, &name);
        const std::string announced =
            name == nullptr ? "" : win32_ui::toUtf8(std::wstring_view(name, SysStringLen(name)));
        SysFreeString(name);
        accessible->Release();
        EXPECT_EQ(announced, control.accessibleName);
    }
}

}  // namespace
