#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "worksheets/sheet_code.h"

namespace worksheets {

// One problem of a worksheet with its solution, as the window writes them.
struct SheetProblem {
    std::string sentence;  // the problem: the line after "Примерен текст на условие:"
    std::string knownValues;  // "Сметки"'s first line: "A = 7; C = 12; D = 28; E = 10; F = 96; "
    std::string answer;       // its last: "X = (12 * 28 * 10) / (7 * 96) = 5"

    friend bool operator==(const SheetProblem&, const SheetProblem&) = default;
};

// The line under every problem, as the window writes it.
inline constexpr std::string_view kQuestion = "X = ?";

// The problems of every variant of a worksheet, made by the window's own "Задача" and "Сметки"
// on a form kept in memory, with the decimal comma whatever the device's language.
//
// Problem k of variant v is drawn from SheetRandomSource(code, v, k) and depends on the code, v
// and k alone, never on how many problems or variants a sheet has. Within a variant no scenario
// comes twice among problems 1 to 16, nor among 17 to 32, and so on: where the draws would give
// a scenario used earlier in that run of sixteen, the problem is drawn again from the same
// source, as many times as it takes (up to a bound that no code comes near).
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
