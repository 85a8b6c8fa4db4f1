// What "Сметки" and "Задача" cost in the Windows window when the transcript holds a lot of the
// user's own text, side by side with what the edit control needs to show that text at all:
// "Сметки" appends only its few lines, so it must cost a fraction of one WM_SETTEXT of the whole
// text; "Задача" replaces everything, so it may cost what clearing the old text and setting the
// new one costs. A zoom step lays the whole text out afresh at a new size, so it may cost as
// much as one WM_SETTEXT of it, no more. The Windows counterpart of bench/transcript_benchmark.cpp.
//
// Usage (under Wine: tests/win32/wine-run.sh <prefix> <this program> [runs]):
//     win32_transcript_benchmark [runs]

#include <windows.h>
#include <objbase.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/in_memory/scripted_random_source.h"
#include "win32_ui/main_form.h"
#include "win32_ui/message_loop.h"
#include "win32_ui/text_conversion.h"
#include "win32_ui/window_text.h"

namespace {

const engine::in_memory::ProblemDraws kProblem{{7, 5, 12}, {1, 0, 2}, 2, 16};

struct Sample {
    double solveMs;
    double setTextMs;
    double zoomMs;
    double makeMs;
    double clearAndSetMs;
};

std::wstring userText(std::size_t utf8Bytes) {
    const std::wstring line = L"Пресмятам: 7 * 28 = 196; 196 / 12 = 16,33 (проверка)\r\n";
    const std::size_t lineBytes = win32_ui::toUtf8(line).size();
    std::wstring text;
    for (std::size_t bytes = 0; bytes < utf8Bytes; bytes += lineBytes) {
        text += line;
    }
    return text;
}

void appendAsTheUser(HWND edit, const std::wstring& text) {
    const auto end = static_cast<WPARAM>(GetWindowTextLengthW(edit));
    SendMessageW(edit, EM_SETSEL, end, static_cast<LPARAM>(end));
    SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
}

// A key with Ctrl typed in the transcript, as the message loop hands it to the window: Ctrl+Plus
// takes a zoom step, Ctrl+0 goes back to the design.
void pressWithControl(win32_ui::MainForm& form, HWND transcript, WPARAM key) {
    BYTE keys[256]{};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    MSG message{transcript, WM_KEYDOWN, key, 1, 0, {}};
    form.handleWindowKeys(message);
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
}

// The action, then the painting that follows it, as the user waits for both.
double timedMs(win32_ui::MainForm& form, HWND shown, const std::function<void()>& action) {
    const auto start = std::chrono::steady_clock::now();
    action();
    UpdateWindow(shown);
    win32_ui::processPendingMessages(form);
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

Sample measure(const std::wstring& text) {
    auto draws = std::make_unique<engine::in_memory::ScriptedRandomSource>();
    engine::in_memory::ScriptedRandomSource& script = *draws;
    win32_ui::MainForm form(std::move(draws), [](HWND, const presenter::ErrorMessage&) {});
    ShowWindow(form.window(), SW_SHOW);
    HWND transcript = form.control({"Text1", 0});
    HWND make = form.control({"Command1", 0});
    HWND solve = form.control({"Command1", 1});

    // A plain edit shaped like the transcript: the control's own cost for the same text.
    RECT place;
    GetWindowRect(transcript, &place);
    HWND plain = CreateWindowExW(
        static_cast<DWORD>(GetWindowLongPtrW(transcript, GWL_EXSTYLE)), L"EDIT", L"",
        (static_cast<DWORD>(GetWindowLongPtrW(transcript, GWL_STYLE)) & ~WS_CHILD) | WS_POPUP |
            WS_VISIBLE,
        600, 0, place.right - place.left, place.bottom - place.top, nullptr, nullptr,
        GetModuleHandleW(nullptr), nullptr);
    SendMessageW(plain, WM_SETFONT, SendMessageW(transcript, WM_GETFONT, 0, 0), FALSE);
    SendMessageW(plain, EM_SETLIMITTEXT, 0, 0);
    win32_ui::processPendingMessages(form);

    script.queueProblem(kProblem);
    SendMessageW(make, BM_CLICK, 0, 0);
    appendAsTheUser(transcript, text);
    win32_ui::processPendingMessages(form);

    Sample sample{};
    sample.solveMs = timedMs(form, transcript, [&] { SendMessageW(solve, BM_CLICK, 0, 0); });
    const std::wstring whole = win32_ui::windowText(transcript);
    sample.setTextMs = timedMs(form, plain, [&] { SetWindowTextW(plain, whole.c_str()); });
    SetFocus(transcript);
    sample.zoomMs =
        timedMs(form, form.window(), [&] { pressWithControl(form, transcript, VK_OEM_PLUS); });
    pressWithControl(form, transcript, '0');  // back to the design for "Задача"
    win32_ui::processPendingMessages(form);

    // A last word from the user, so the window cannot rely on what it wrote itself.
    appendAsTheUser(transcript, L"Готово.");
    win32_ui::processPendingMessages(form);
    script.queueProblem(kProblem);
    sample.makeMs = timedMs(form, transcript, [&] { SendMessageW(make, BM_CLICK, 0, 0); });
    const std::wstring problem = win32_ui::windowText(transcript);
    sample.clearAndSetMs = timedMs(form, plain, [&] {
        SetWindowTextW(plain, L"");
        SetWindowTextW(plain, problem.c_str());
    });
    DestroyWindow(plain);
    return sample;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void report(std::size_t bytes, const std::vector<Sample>& samples) {
    std::vector<double> solve, set, make, clearSet, solveRatio, makeRatio, zoom, zoomRatio;
    for (const Sample& sample : samples) {
        zoom.push_back(sample.zoomMs);
        zoomRatio.push_back(sample.zoomMs / sample.setTextMs);
        solve.push_back(sample.solveMs);
        set.push_back(sample.setTextMs);
        make.push_back(sample.makeMs);
        clearSet.push_back(sample.clearAndSetMs);
        solveRatio.push_back(sample.solveMs / sample.setTextMs);
        makeRatio.push_back(sample.makeMs / sample.clearAndSetMs);
    }
    std::printf("%5zu KiB of user text, median of %zu runs:\n", bytes / 1024, samples.size());
    std::printf("  Сметки %8.2f ms   WM_SETTEXT of the same text %8.2f ms   ratio %.3f\n",
                median(solve), median(set), median(solveRatio));
    std::printf("  zoom step %5.2f ms   WM_SETTEXT of the same text %8.2f ms   ratio %.3f\n",
                median(zoom), median(set), median(zoomRatio));
    std::printf("  Задача %8.2f ms   clear + WM_SETTEXT of the problem %5.2f ms   ratio %.3f\n",
                median(make), median(clearSet), median(makeRatio));
}

}  // namespace

int main(int argc, char** argv) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    for (const std::size_t bytes : {std::size_t{64} * 1024, std::size_t{1024} * 1024}) {
        const std::wstring text = userText(bytes);
        std::vector<Sample> samples;
        for (int run = 0; run < runs; ++run) {
            samples.push_back(measure(text));
        }
        report(bytes, samples);
    }
    CoUninitialize();
    return 0;
}
