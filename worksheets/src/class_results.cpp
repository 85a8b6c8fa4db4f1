#include "worksheets/class_results.h"

#include <algorithm>
#include <array>

#include "worksheets/answer_check.h"
#include "worksheets/page_words.h"
#include "worksheets/problem_set.h"

namespace worksheets {

namespace {

// How many of a number's different lines a new one is compared with.
constexpr std::size_t kLinesCompared = 8;

// A line of a pupil's number as found, and as written anew to tell a repeat.
struct KeptLine {
    std::string written;
    std::string text;
    PupilResult result;
};

ProblemMark marked(const SheetProblem& problem, const GivenAnswer& given) {
    ProblemMark mark;
    mark.hintOpened = given.hintOpened;
    if (given.notANumber) {
        mark.mark = Mark::kWrong;
        // Appended: assigned, it makes GCC 12 warn falsely of overlapping copies.
        mark.answer.push_back('?');
    } else if (!given.number.empty()) {
        mark.mark = checkAnswer(problem, given.number) == AnswerVerdict::kRight ? Mark::kRight
                                                                                : Mark::kWrong;
        mark.answer = given.number;
    }
    return mark;
}

PupilRow row(const ProblemSet& set, const PupilResult& result, int problems) {
    PupilRow row{result.number, result.name, result.variant, {}, 0};
    const std::vector<SheetProblem> drawn =
        set.variant(result.variant, static_cast<int>(result.answers.size()));
    for (std::size_t i = 0; i < static_cast<std::size_t>(problems); ++i) {
        row.marks.push_back(i < drawn.size() ? marked(drawn[i], result.answers[i]) : ProblemMark{});
        row.right += row.marks.back().mark == Mark::kRight ? 1 : 0;
    }
    return row;
}

}  // namespace

std::string_view markWord(Mark mark) {
    return mark == Mark::kRight   ? words::kMarkRight
           : mark == Mark::kWrong ? words::kMarkWrong
                                  : words::kMarkNoAnswer;
}

std::string markText(const ProblemMark& mark) {
    std::string text(markWord(mark.mark));
    if (mark.hintOpened) {
        text += words::kMarkWithHint;
    }
    return text;
}

ClassResults classResults(std::string_view pasted, const SheetCode& code, int problems,
                          int variants) {
    ClassResults results;
    results.problems = problems;
    // Each number's lines, a line repeated counting once.
    std::array<std::vector<KeptLine>, kHighestPupilNumber + 1> byNumber;
    for (FoundLine& line : findResultLines(pasted)) {
        if (!line.result) {
            results.apart.push_back({std::move(line.text), std::string(words::kLineUnread)});
        } else if (line.result->code != code) {
            results.apart.push_back(
                {std::move(line.text), words::otherSheet(line.result->code.text())});
        } else if (line.result->variant > variants) {
            results.apart.push_back({std::move(line.text), std::string(words::kNoSuchVariant)});
        } else {
            auto& lines = byNumber[static_cast<std::size_t>(line.result->number)];
            // Each kept with its line written anew; past a few, one number's lines are all kept
            // apart anyway, and comparing each with all would take the square of their count.
            std::string written = resultLine(*line.result);
            bool repeated = false;
            for (std::size_t i = 0; i < std::min(lines.size(), kLinesCompared); ++i) {
                repeated = repeated || lines[i].written == written;
            }
            if (!repeated) {
                lines.push_back(
                    {std::move(written), std::move(line.text), std::move(*line.result)});
            }
        }
    }
    for (const auto& lines : byNumber) {
        if (lines.size() == 1) {
            results.problems =
                std::max(results.problems, static_cast<int>(lines.front().result.answers.size()));
        }
    }
    const ProblemSet set(code);
    results.rightPerProblem.assign(static_cast<std::size_t>(results.problems), 0);
    for (std::size_t number = 1; number < byNumber.size(); ++number) {
        const auto& lines = byNumber[number];
        if (lines.size() > 1) {
            for (const KeptLine& line : lines) {
                results.apart.push_back(
                    {line.text, words::twoLinesForNumber(static_cast<int>(number))});
            }
        } else if (lines.size() == 1) {
            results.rows.push_back(row(set, lines.front().result, results.problems));
            for (std::size_t i = 0; i < results.rightPerProblem.size(); ++i) {
                results.rightPerProblem[i] += results.rows.back().marks[i].mark == Mark::kRight;
            }
        }
    }
    return results;
}

}  // namespace worksheets
