#pragma once

#include <string>

#include "worksheets/worked_solution.h"

// A worked solution as HTML text, for the key and the practice page. Its classes:
// - .solution-condition: the short condition, a table with the columns' headings as its header
//   and its caption "Кратко условие";
// - .solution-steps, a list of .solution-step: the proportion of each other column with X's,
//   its .solution-arrows hidden from screen readers;
// - .solution-chain: X's chain on one line; .solution-answer: "Отговор: 5 часа".
namespace worksheets {

// The hint: the short condition and the proportions, nothing of X's value.
void appendHintMarkup(std::string& html, const WorkedSolution& solution);

// The whole "Решение" in a .solution block: the title as the heading given ("h4", "h5"), the
// hint's parts, the chain and the answer.
void appendSolutionMarkup(std::string& html, const WorkedSolution& solution,
                          std::string_view headingTag);

}  // namespace worksheets
