#include "web_core/practice_round.h"

#include <utility>

namespace web_core {

PracticeRound::PracticeRound(std::vector<worksheets::SheetProblem> problems)
    : problems_(std::move(problems)), results_(problems_.size()) {}

void PracticeRound::check(const std::vector<std::string>& answers) {
    using worksheets::AnswerVerdict;
    for (std::size_t i = 0; i < problems_.size(); ++i) {
        ProblemResult& result = results_[i];
        if (result.settled) {
            continue;
        }
        const std::string_view answer = i < answers.size() ? answers[i] : std::string_view();
        switch (worksheets::checkAnswer(problems_[i], answer)) {
            case AnswerVerdict::kNoAnswer:
                result = {worksheets::kNoAnswerWord, {}, false, "empty"};
                break;
            case AnswerVerdict::kNotANumber:
                result = {worksheets::kWrongWord, worksheets::kNotANumberReason, false, "wrong"};
                break;
            case AnswerVerdict::kRight:
                result = {worksheets::kRightWord, {}, true, "right"};
                ++right_;
                break;
            case AnswerVerdict::kWrong:
                result = {worksheets::kWrongWord, {}, true, "wrong"};
                break;
        }
    }
    checked_ = true;
}

std::string PracticeRound::score() const {
    if (!checked_) {
        return {};
    }
    std::string score = "Верни отговори: ";
    score += std::to_string(right_);
    score += " от ";
    score += std::to_string(problems_.size());
    return score;
}

}  // namespace web_core
