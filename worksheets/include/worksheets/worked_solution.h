#pragma once

#include <array>
#include <string>
#include <string_view>

#include "worksheets/problem_set.h"
#include "worksheets/sheet_wording.h"

// A problem solved the way the compound rule of three is taught in the 6th grade: the condition
// written short under named columns, each other column compared with X's while the third stays
// the same (direct or inverse proportion), then X as its column's known number times one ratio
// per other column.
namespace worksheets {

struct ProportionStep {
    QuantityKind column;  // the column compared with X's
    bool inverse = false;
    // Up and down for a glance at the table, which screen readers skip: "↑ ↓" for inverse.
    std::string_view arrows;
    // "При един и същ товар: повече кранове – по-малко часове, обратна пропорционалност."
    std::string words;
};

struct WorkedSolution {
    // The short condition: the columns' headings, and a row per situation in the sentence's
    // order, "X" in its place.
    std::array<std::string_view, kQuantityKinds> headings;
    std::array<std::array<std::string, kQuantityKinds>, 2> rows;
    // Where X stands in the table.
    int unknownRow = 0;
    QuantityKind unknownColumn = QuantityKind::kCount;
    // The other two columns, left to right.
    std::array<ProportionStep, 2> steps;
    // "X = 10 · 28/7 · 12/96 = 5": a direct column's ratio is its number in X's row over its
    // number in the other; an inverse column's the other way round; none reduced.
    std::string chain;
    // "Отговор: 5 часа"
    std::string answer;
};

WorkedSolution workedSolution(const SheetProblem& problem);

}  // namespace worksheets
