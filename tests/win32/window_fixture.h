#pragma once

#include <windows.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>

#include "engine/in_memory/scripted_random_source.h"
#include "input.h"
#include "win32_ui/main_form.h"
#include "win32_ui/text_conversion.h"
#include "win32_ui/window_text.h"

// The program's own example: A, B, C = 7, 5, 12, exponents 1, 0, 2, unknown B, scenario 16.
inline const engine::in_memory::ProblemDraws kExample{{7, 5, 12}, {1, 0, 2}, 2, 16};
inline const std::string kExamplePosed =
    "Примерен текст на условие:\r\n"
    "Ако 7 лекаря за X часа преглеждат 12 пациента, то 28 лекаря за 10 часа ще прегледат 96 "
    "пациента.\r\n"
    "X = ?\r\n";
inline const std::string kExampleSolution =
    "A = 7; C = 12; D = 28; E = 10; F = 96; \r\n"
    "\r\n"
    "Отговор: \r\n"
    "X = (12 * 28 * 10) / (7 * 96) = 5\r\n";

// The main window, shown and active, with scripted draws. A command that fails fails the test,
// rather than waiting in a message box for a click nobody gives.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        makeWindow([](HWND, const presenter::ErrorMessage& message) {
            ADD_FAILURE() << "a command failed: " << message.text;
        });
    }

    // With nullptr, the window tells the user itself.
    void makeWindow(win32_ui::MainForm::ErrorReport reportError) {
        window_.reset();
        auto draws = std::make_unique<engine::in_memory::ScriptedRandomSource>();
        draws_ = draws.get();
        window_ = std::make_unique<win32_ui::MainForm>(std::move(draws), std::move(reportError));
        ShowWindow(window_->window(), SW_SHOW);
        SetForegroundWindow(window_->window());
        ASSERT_TRUE(processUntil([this] { return GetFocus() != nullptr; }))
            << "the window did not take the focus";
    }

    bool processUntil(const std::function<bool()>& condition) {
        return win32_test::processUntil(*window_, condition);
    }

    HWND control(std::string_view name, int index = design::ControlId::kNoIndex) {
        return window_->control({name, index});
    }
    HWND command(int index) { return control("Command1", index); }
    HWND transcriptEdit() { return control("Text1", 0); }

    std::string transcript() { return win32_ui::toUtf8(win32_ui::windowText(transcriptEdit())); }

    // Where the user's typing or pasting goes on after the program's text.
    void caretToTranscriptEnd() {
        const auto end = static_cast<WPARAM>(GetWindowTextLengthW(transcriptEdit()));
        SendMessageW(transcriptEdit(), EM_SETSEL, end, static_cast<LPARAM>(end));
    }

    // A mouse click on a command button; handled once the window has drawn what follows.
    void click(int index) {
        HWND button = command(index);
        const std::string before = transcript();
        const bool enabled = IsWindowEnabled(button) != FALSE;
        win32_test::clickMiddle(button);
        if (enabled) {
            ASSERT_TRUE(processUntil([&] {
                return GetCapture() == nullptr && transcript() != before;
            })) << "the click on Command1("
                << index << ") had no effect";
        } else {
            // Once a later click has reached the numbers list, the earlier one was handled too.
            HWND numbers = control("List1", 0);
            SetFocus(transcriptEdit());
            win32_test::clickAt(numbers, 10, 10);
            ASSERT_TRUE(processUntil([&] { return GetFocus() == numbers; }));
        }
    }

    void pose(const engine::in_memory::ProblemDraws& draws) {
        draws_->queueProblem(draws);
        click(0);
    }

    std::unique_ptr<win32_ui::MainForm> window_;
    engine::in_memory::ScriptedRandomSource* draws_ = nullptr;
};
