#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "worksheets/problem_set.h"

// A pupil's variant as HTML text, to answer on screen, set in one go like the printed sheet.
// The page finds its parts by these ids and classes, its tests too:
// - .practice-problem for each problem: .practice-problem-name ("Задача 1."), .practice-sentence,
//   .practice-question ("X = ?"), the answer's field #practice-answer-N (named "Отговор на задача
//   N" for screen readers), beside it #practice-verdict-N and #practice-reason-N, empty until
//   checked, #practice-hint-N where hints are on, a closed details element with the short
//   condition and the proportions (never X's value), and #practice-solution-N, hidden and empty
//   until the problem is settled.
// The solutions are not in the markup: a pupil looking into the page finds only the problems and
// the hints.
namespace worksheets {

std::string practiceMarkup(const std::vector<SheetProblem>& problems, bool hints = true);

// What #practice-solution-N shows once the problem is settled: its "Решение", then the window's
// "Сметки" lines, smaller (.practice-calculations).
std::string practiceSolutionMarkup(const SheetProblem& problem);

// The element ids of problem number's parts: practiceId("answer", 3) is "practice-answer-3".
std::string practiceId(std::string_view part, int number);

}  // namespace worksheets
