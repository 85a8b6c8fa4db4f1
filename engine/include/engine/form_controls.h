#pragma once

#include <array>

#include "engine/command_button.h"
#include "engine/list_box.h"
#include "engine/option_button.h"
#include "engine/text_box.h"

namespace engine {

inline constexpr int kQuantityCount = 6;             // A to F
inline constexpr int kListCount = 1 + 16;            // the numbers and the sixteen scenarios
inline constexpr int kOptionCount = kQuantityCount;  // one option button per quantity
inline constexpr int kCommandCount = 2;              // "Задача" and "Сметки"
inline constexpr int kMakeProblemCommand = 0;
inline constexpr int kSolveCommand = 1;

// The window's controls as the engine reaches them, by their names in the window:
// List1(0) holds the numbers of the current problem and List1(1) to List1(16) the scenarios,
// Text1 is the transcript, Option1(0) to Option1(5) mark the unknown "A" to "F", and
// Command1(0) and Command1(1) are "Задача" and "Сметки". None of the pointers may be null; the
// controls must outlive the form that uses them.
struct FormControls {
    std::array<ListBox*, kListCount> List1{};
    TextBox* Text1 = nullptr;
    std::array<OptionButton*, kOptionCount> Option1{};
    std::array<CommandButton*, kCommandCount> Command1{};
};

}  // namespace engine
