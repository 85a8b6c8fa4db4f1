#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "worksheets/answer_check.h"
#include "worksheets/problem_set.h"

// A pupil's round of answering one variant: which problems are checked, how, and which are
// settled. A problem answered with a number is settled when checked, right or wrong: its answer
// can no longer change and its solution shows. An empty answer, or one that is no number (a slip
// of the finger), is neither: it says so and stays open, showing nothing of the solution. A
// problem whose hint was opened before it was settled says so in its verdict.
namespace worksheets {

// How a problem shows after the last check.
struct ProblemResult {
    // "" before the problem is first checked; else "Вярно", "Грешно" or "Няма отговор", the first
    // two as "Вярно, с подсказка" and "Грешно, с подсказка" where the hint was opened.
    std::string_view verdict;
    // Why it is wrong where that is no answer at all: "Това не е число.", else "".
    std::string_view reason;
    // Right or wrong for good: the answer locked, the solution shown.
    bool settled = false;
    // For the style sheet: "right", "wrong" (settled or no number), "empty", or "" before checked.
    std::string_view look;

    friend bool operator==(const ProblemResult&, const ProblemResult&) = default;
};

class PracticeRound {
public:
    explicit PracticeRound(std::vector<SheetProblem> problems);

    const std::vector<SheetProblem>& problems() const { return problems_; }
    const ProblemResult& result(std::size_t index) const { return results_.at(index); }

    // The hint of problem index + 1 was opened: counted while the problem is open, for good.
    void openHint(std::size_t index);
    bool hintOpened(std::size_t index) const { return hinted_.at(index); }

    // Checks the answers of the problems still open, answers[i] that of problem i + 1; a missing
    // one counts as empty, and the answers of settled problems are not read again.
    void check(const std::vector<std::string>& answers);

    // "Верни отговори: K от N" once checked, "" before.
    std::string score() const;
    bool checked() const { return checked_; }
    // The answer of problem index + 1 as last checked: for a settled problem, the one that
    // settled it.
    const std::string& answer(std::size_t index) const { return answers_.at(index); }

private:
    std::vector<SheetProblem> problems_;
    std::vector<ProblemResult> results_;
    std::vector<bool> hinted_;
    std::vector<std::string> answers_;
    int right_ = 0;
    bool checked_ = false;
};

}  // namespace worksheets
