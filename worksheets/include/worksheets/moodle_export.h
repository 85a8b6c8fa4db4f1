#pragma once

#include <cstdint>
#include <string>

#include "worksheets/problem_set.h"

// A sheet as questions for Moodle, in its XML format for importing questions (as documented for
// Moodle 4.1 to 4.5): a category a problem number,
// "$course$/top/Сложно тройно правило/<code>/Задача N", holding that problem of every variant as
// a numerical question named "Вариант v, задача N". Its text is the sentence and "X = ?", its
// one answer the exact value with a decimal point and no tolerance, its general feedback the
// worked solution. A quiz with a random question from each category gives each pupil one
// version of each problem, and Moodle marks it.
namespace worksheets {

// The value numerator / denominator, a terminating decimal, written exactly with a decimal point:
// "5", "2.5", "0.125". The denominator is not 0 and has no prime factors but 2 and 5 once the
// fraction is reduced (std::invalid_argument otherwise).
std::string exactDecimal(std::int64_t numerator, std::int64_t denominator);

// The file for problems 1 to problems of variants 1 to variants.
std::string moodleXml(const ProblemSet& set, int problems, int variants);

}  // namespace worksheets
