#include "worksheets/problem_draw.h"

#include <optional>
#include <stdexcept>
#include <utility>

#include "worksheets/sheet_wording.h"

namespace worksheets {

namespace {

bool wanted(int position, Sought sought) {
    return sought == Sought::kAny ||
           static_cast<int>(kindAt(position)) == static_cast<int>(sought) - 1;
}

// The problem with its solution, where it fits the choices: each is solved once.
std::optional<SheetProblem> solvedIfFits(engine::Problem problem, ProblemChoices choices) {
    const engine::Solution solution = engine::solve(problem);
    if (!fitsChoices(problem, solution, choices)) {
        return std::nullopt;
    }
    return SheetProblem{std::move(problem), solution};
}

// The problem with its unknown at the first position that fits the choices.
SheetProblem fitted(const engine::Problem& drawn, ProblemChoices choices) {
    for (int position = 1; position <= engine::kQuantityCount; ++position) {
        if (auto moved = solvedIfFits(engine::makeProblem(drawn.scenario, position, drawn.numbers),
                                      choices)) {
            return std::move(*moved);
        }
    }
    throw std::logic_error("no position of a drawn problem fits the choices");
}

}  // namespace

bool fitsChoices(const engine::Problem& problem, const engine::Solution& solution,
                 ProblemChoices choices) {
    return wanted(problem.unknown, choices.sought) &&
           (!choices.wholeAnswers || solution.numeratorProduct % solution.denominatorProduct == 0);
}

SheetProblem drawSheetProblem(engine::UniformSource& draws, ProblemChoices choices,
                              const UsedScenarios& used) {
    engine::Problem problem = engine::drawProblem(draws);
    for (int drawn = 1; drawn < kMostDraws; ++drawn) {
        if (!used.test(static_cast<std::size_t>(problem.scenario))) {
            if (auto made = solvedIfFits(problem, choices)) {
                return std::move(*made);
            }
        }
        problem = engine::drawProblem(draws);
    }
    if (auto made = solvedIfFits(problem, choices)) {
        return std::move(*made);
    }
    return fitted(problem, choices);
}

}  // namespace worksheets
