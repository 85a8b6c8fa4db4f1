#include "worksheets/problem_draw.h"

#include <stdexcept>

#include "worksheets/sheet_wording.h"

namespace worksheets {

namespace {

bool wanted(int position, Sought sought) {
    return sought == Sought::kAny ||
           static_cast<int>(kindAt(position)) == static_cast<int>(sought) - 1;
}

bool fits(const engine::Problem& problem, ProblemChoices choices) {
    return fitsChoices(problem, engine::solve(problem), choices);
}

// The problem with its unknown at the first position that fits the choices.
engine::Problem fitted(const engine::Problem& drawn, ProblemChoices choices) {
    for (int position = 1; position <= engine::kQuantityCount; ++position) {
        engine::Problem moved = engine::makeProblem(drawn.scenario, position, drawn.numbers);
        if (fits(moved, choices)) {
            return moved;
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

engine::Problem drawSheetProblem(engine::UniformSource& draws, ProblemChoices choices,
                                 const UsedScenarios& used) {
    engine::Problem problem = engine::drawProblem(draws);
    for (int drawn = 1; drawn < kMostDraws; ++drawn) {
        if (!used.test(static_cast<std::size_t>(problem.scenario)) && fits(problem, choices)) {
            return problem;
        }
        problem = engine::drawProblem(draws);
    }
    return fits(problem, choices) ? problem : fitted(problem, choices);
}

}  // namespace worksheets
