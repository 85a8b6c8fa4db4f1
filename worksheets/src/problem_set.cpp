#include "worksheets/problem_set.h"

#include <bitset>
#include <stdexcept>
#include <string_view>

#include "engine/transcript_text.h"
#include "worksheets/sheet_random_source.h"

namespace worksheets {

namespace {

// The sheet is Bulgarian wherever it is opened.
constexpr std::string_view kDecimalComma = ",";

// A bound on the draws again for one problem, which no code comes near: the scenario wanted has
// a chance of about 1 in 17 each time, so 1,000 misses in a row happen about once in 10^26.
constexpr int kMostDraws = 1000;

void checkCount(int count) {
    if (count < 1 || count > SheetRandomSource::kLargestNumber) {
        throw std::out_of_range("a sheet's problems are numbered 1 to 65535");
    }
}

}  // namespace

std::string SheetProblem::knownValuesLine() const { return engine::knownValuesLine(solution); }

std::string SheetProblem::answerLine() const { return engine::answerLine(solution, kDecimalComma); }

std::vector<SheetProblem> ProblemSet::variant(int variant, int count) const {
    checkCount(count);
    std::vector<SheetProblem> problems;
    problems.reserve(static_cast<std::size_t>(count));
    std::bitset<kScenarioRound + 1> used;
    for (int number = 1; number <= count; ++number) {
        if ((number - 1) % kScenarioRound == 0) {
            used.reset();
        }
        SheetRandomSource draws(code_, variant, number);
        engine::Problem problem = engine::drawProblem(draws);
        for (int drawn = 1;
             drawn < kMostDraws && used.test(static_cast<std::size_t>(problem.scenario)); ++drawn) {
            problem = engine::drawProblem(draws);
        }
        used.set(static_cast<std::size_t>(problem.scenario));
        engine::Solution solution = engine::solve(problem);
        problems.push_back({std::move(problem), solution});
    }
    return problems;
}

SheetProblem ProblemSet::problem(int variant, int number) const {
    return this->variant(variant, number).back();
}

}  // namespace worksheets
