#include "worksheets/practice_round.h"

#include <utility>

#include "worksheets/page_words.h"

namespace worksheets {

PracticeRound::PracticeRound(std::vector<SheetProblem> problems)
    : problems_(std::move(problems)),
      results_(problems_.size()),
      hinted_(problems_.size()),
      answers_(problems_.size()) {}

void PracticeRound::openHint(std::size_t index) {
    if (!results_.at(index).settled) {
        hinted_[index] = true;
    }
}

void PracticeRound::check(const std::vector<std::string>& answers) {
    for (std::size_t i = 0; i < problems_.size(); ++i) {
        ProblemResult& result = results_[i];
        if (result.settled) {
            continue;
        }
        answers_[i] = i < answers.size() ? answers[i] : std::string();
        const std::string_view answer = answers_[i];
        const std::string_view right = hinted_[i] ? words::kRightWithHint : words::kRight;
        const std::string_view wrong = hinted_[i] ? words::kWrongWithHint : words::kWrong;
        switch (checkAnswer(problems_[i], answer)) {
            case AnswerVerdict::kNoAnswer:
                result = {words::kNoAnswer, {}, false, "empty"};
                break;
            case AnswerVerdict::kNotANumber:
                result = {wrong, words::kNotANumber, false, "wrong"};
                break;
            case AnswerVerdict::kRight:
                result = {right, {}, true, "right"};
                ++right_;
                break;
            case AnswerVerdict::kWrong:
                result = {wrong, {}, true, "wrong"};
                break;
        }
    }
    checked_ = true;
}

std::string PracticeRound::score() const {
    if (!checked_) {
        return {};
    }
    return words::score(right_, static_cast<int>(problems_.size()));
}

}  // namespace worksheets
