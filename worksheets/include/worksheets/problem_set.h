#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/problem.h"
#include "engine/solution.h"
#include "worksheets/sheet_code.h"

namespace worksheets {

// The sheet is Bulgarian wherever it is opened: numbers have the decimal comma.
inline constexpr std::string_view kDecimalComma = ",";

// One problem of a worksheet with its solution, as the engine gives them.
struct SheetProblem {
    engine::Problem problem;
    engine::Solution solution;

    // The lines of the solution as the window writes them, with the decimal comma:
    // "A = 7; C = 12; D = 28; E = 10; F = 96; " and "X = (12 * 28 * 10) / (7 * 96) = 5".
    std::string knownValuesLine() const;
    std::string answerLine() const;
    // The sentence as the sheet prints it (sheet_wording.h); problem.sentence is the window's.
    std::string sentence() const;

    friend bool operator==(const SheetProblem&, const SheetProblem&) = default;
};

// The problems of every variant of a worksheet, drawn as the window's "Задача" draws them.
//
// Problem k of variant v is drawn from SheetRandomSource(code, v, k) and depends on the code, v
// and k alone, never on how many problems or variants a sheet has. Each fits the code's choices,
// and within a variant no scenario comes twice among problems 1 to 16, nor among 17 to 32, and so
// on: where the draws would give a problem the choices exclude, or a scenario used earlier in that
// run of sixteen, the problem is drawn again from the same source (problem_draw.h).
class ProblemSet {
public:
    // The number of scenarios, after which they may come again.
    static constexpr int kScenarioRound = 16;

    explicit ProblemSet(SheetCode code) : code_(std::move(code)) {}

    const SheetCode& code() const { return code_; }

    // Problems 1 to count of the variant; variant and count lie in 1 to 65535
    // (std::out_of_range otherwise).
    std::vector<SheetProblem> variant(int variant, int count) const;
    // Problem number of the variant: the same as the last of variant(variant, number).
    SheetProblem problem(int variant, int number) const;

private:
    SheetCode code_;
};

}  // namespace worksheets
