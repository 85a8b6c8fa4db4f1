#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "engine/form_controls.h"
#include "engine/uniform_source.h"

namespace engine {

// A problem as "Задача" draws it, as a value.
struct Problem {
    int scenario = 0;  // 1 to 16
    int unknown = 0;   // the unknown's position, 1 to 6 (A to F)
    // A to F as drawn: the unknown's too, which the sentence hides behind "X".
    std::array<std::int32_t, kQuantityCount> numbers{};
    // As the window writes it, with "X" in the unknown's place.
    std::string sentence;

    friend bool operator==(const Problem&, const Problem&) = default;
};

// Positions 1 to 3 (A, B, C) describe the first situation, 4 to 6 (D, E, F) the second.
inline constexpr int kFirstOfSecondSituation = 4;

// What each of a problem's eight draws becomes, from its DrawPercent (0 to 100).
int firstSituationQuantity(int percent);              // A, B or C: 3 to 19
std::int32_t secondSituationMultiplier(int percent);  // D, E, F over A, B, C: 2, 4, 8 or 16
int unknownPosition(int percent);                     // 1 to 6
int scenarioNumber(int percent);                      // 1 to 16

// The eight draws of one "Задача", in the window's order, and the problem they make. Nothing but
// the draws decides it.
Problem drawProblem(UniformSource& draws);

// The problem of those numbers with the unknown at that position, its sentence as the window
// writes it.
Problem makeProblem(int scenario, int unknown,
                    const std::array<std::int32_t, kQuantityCount>& numbers);

// The problem's sentence: number(i) is the text of quantity i (1 to 6), fragment(i) fragment i of
// the scenario. They are asked for in the order the sentence uses them, number 1, fragment 1,
// number 2, and so on; the unknown's number is not asked for.
std::string problemSentence(int unknown, const std::function<std::string(int)>& number,
                            const std::function<std::string(int)>& fragment);

}  // namespace engine
