#pragma once

#include <string>

#include "worksheets/problem_set.h"

// The printed worksheet as HTML text, made in one piece so that the page sets it in one go,
// however many problems it holds. Its classes are what the page's style sheet, its tests and
// anyone checking a printout rely on:
// - .sheet-variant: one pupil's variant, a printed page (or more) of its own, with its heading
//   (.sheet-title, .sheet-variant-name, .sheet-name-line) and its problems;
// - .sheet-problem: one problem, never split across pages: .sheet-problem-name ("Задача 1."),
//   .sheet-sentence, .sheet-question ("X = ?") and .sheet-room, the room to work in under it;
// - .sheet-key: the answers, after all variants, on pages of their own: .sheet-key-code, then a
//   .sheet-key-variant for each variant, a .sheet-key-problem in it for each problem with its
//   .sheet-known and .sheet-answer lines, and where asked its worked solution (solution_markup.h),
//   the key then a .sheet-key-solutions.
// Only the key shows the sheet's code: pupils get the problems, not the way to the answers.
namespace worksheets {

// The sheets of variants 1 to `variants`, `problems` problems each, then the key where asked,
// with the solutions where asked too.
std::string sheetMarkup(const ProblemSet& set, int problems, int variants, bool key,
                        bool solutions = false);

}  // namespace worksheets
