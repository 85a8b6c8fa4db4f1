#pragma once

#include <bitset>

#include "engine/problem.h"
#include "engine/scenario_templates.h"
#include "engine/solution.h"
#include "engine/uniform_source.h"
#include "worksheets/problem_choices.h"
#include "worksheets/problem_set.h"

// How one problem of a sheet is drawn: as the window's "Задача" draws it, again and again from
// the same source until it fits the teacher's choices and brings a scenario not yet used in its
// run of sixteen.
namespace worksheets {

// The scenarios used so far in a run, scenario s at bit s.
using UsedScenarios = std::bitset<engine::kScenarioCount + 1>;

// Whether the problem, solved so, is one the choices allow.
bool fitsChoices(const engine::Problem& problem, const engine::Solution& solution,
                 ProblemChoices choices);

// The draws allowed before variety gives way. The rarest fit, whole answers with the amount
// sought for the last scenario of a run, has a chance of 0.01273 per draw (the unknown at C or
// F: 0.330; the answer whole there: 0.307 at C, always at F; the scenario: 0.0600, as 6 of the
// 101 percents give it), so 4,000 draws all miss with a chance of (1 - 0.01273)^4000, about
// 5 × 10^-23.
inline constexpr int kMostDraws = 4000;

// The problem drawn and solved, with the draws left as they stand after it. Where kMostDraws draws
// bring no fitting problem of a new scenario, the last draw is taken whatever its scenario and,
// where it does not fit the choices, its unknown is moved to a position where it does: one always
// exists, since the second situation's numbers are the first's times powers of two. (Codes of six
// characters, without choices, were bounded at 1,000 draws before; they differ only where 1,000
// draws in a row repeated a scenario, a chance of about 10^-27.)
SheetProblem drawSheetProblem(engine::UniformSource& draws, ProblemChoices choices,
                              const UsedScenarios& used);

}  // namespace worksheets
