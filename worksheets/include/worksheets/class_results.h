#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "worksheets/result_line.h"
#include "worksheets/sheet_code.h"

// The class's results on the teacher's page: the result lines the pupils handed in, read from
// whatever the teacher pasted, and marked here against the sheet as it is open.
namespace worksheets {

// The most text read at once, in characters as the browser counts them (UTF-16 units): a term's
// chat of a class is well under it, and more would keep the page busy for nothing.
inline constexpr std::size_t kLongestPaste = 1'000'000;

enum class Mark { kRight, kWrong, kNoAnswer };

struct ProblemMark {
    Mark mark = Mark::kNoAnswer;
    bool hintOpened = false;
    // The answer as the line gave it: "" for none, "?" for no number.
    std::string answer;

    friend bool operator==(const ProblemMark&, const ProblemMark&) = default;
};

struct PupilRow {
    int number = 0;
    std::string name;
    int variant = 0;
    // One a problem of the table; problems past the pupil's count are kNoAnswer.
    std::vector<ProblemMark> marks;
    int right = 0;

    friend bool operator==(const PupilRow&, const PupilRow&) = default;
};

// A line kept out of the table, and why.
struct LineApart {
    std::string line;
    std::string reason;

    friend bool operator==(const LineApart&, const LineApart&) = default;
};

struct ClassResults {
    // The table's problems: the most any pupil answered, at least the sheet's problems per pupil.
    int problems = 0;
    // By the pupils' numbers.
    std::vector<PupilRow> rows;
    // How many answered each problem right.
    std::vector<int> rightPerProblem;
    // In the order pasted, those of numbers with two different lines last.
    std::vector<LineApart> apart;
};

// "вярно", "грешно", "без отговор"; with the hint: "грешно, с подсказка".
std::string_view markWord(Mark mark);
std::string markText(const ProblemMark& mark);

// The results in pasted, for the sheet of that code with its problems per pupil and variants.
// Lines of another sheet, of a variant the sheet has not, that cannot be read, and every line
// of a number that has two different ones are kept apart; a line repeated as it was counts once.
ClassResults classResults(std::string_view pasted, const SheetCode& code, int problems,
                          int variants);

}  // namespace worksheets
