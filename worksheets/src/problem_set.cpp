#include "worksheets/problem_set.h"

#include <stdexcept>
#include <string_view>

#include "engine/transcript_text.h"
#include "worksheets/problem_draw.h"
#include "worksheets/sheet_random_source.h"
#include "worksheets/sheet_wording.h"

namespace worksheets {

namespace {

void checkCount(int count) {
    if (count < 1 || count > SheetRandomSource::kLargestNumber) {
        throw std::out_of_range("a sheet's problems are numbered 1 to 65535");
    }
}

}  // namespace

std::string SheetProblem::knownValuesLine() const { return engine::knownValuesLine(solution); }

std::string SheetProblem::answerLine() const { return engine::answerLine(solution, kDecimalComma); }

std::string SheetProblem::sentence() const { return sheetSentence(problem); }

std::vector<SheetProblem> ProblemSet::variant(int variant, int count) const {
    checkCount(count);
    std::vector<SheetProblem> problems;
    problems.reserve(static_cast<std::size_t>(count));
    UsedScenarios used;
    for (int number = 1; number <= count; ++number) {
        if ((number - 1) % kScenarioRound == 0) {
            used.reset();
        }
        SheetRandomSource draws(code_, variant, number);
        problems.push_back(drawSheetProblem(draws, code_.choices(), used));
        used.set(static_cast<std::size_t>(problems.back().problem.scenario));
    }
    return problems;
}

SheetProblem ProblemSet::problem(int variant, int number) const {
    return this->variant(variant, number).back();
}

}  // namespace worksheets
