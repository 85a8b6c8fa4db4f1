#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/in_memory/in_memory_controls.h"
#include "engine/runtime_error.h"

// What a command must leave behind, worked out afresh from the rules of the two commands rather
// than with the engine's own helpers, so the fuzzer can compare whole texts.
namespace fuzz {

struct ExpectedProblem {
    std::string transcript;
    std::vector<std::string> numbers;
    int unknown = 0;
    std::optional<engine::ErrorKind> error;  // a scenario list that lost fragments
};

// "Задача" on the given window with the given draws, of which it takes exactly eight.
ExpectedProblem expectedProblem(const engine::in_memory::Form& window,
                                const std::vector<float>& draws);

struct ExpectedSolution {
    std::string transcript;
    std::optional<engine::ErrorKind> error;
};

// "Сметки" on the given window, unknown and decimal separator. On an error the transcript is
// what was there plus the solution as far as it got.
ExpectedSolution expectedSolution(const engine::in_memory::Form& window, int unknown,
                                  std::string_view decimalSeparator);

}  // namespace fuzz
