#include "worksheets/practice_result.h"

#include "worksheets/result_line.h"

namespace worksheets {

std::string numberAtFirst(const PracticeLink& link) {
    if (!link.variant || link.variants == 1) {
        return {};
    }
    return std::to_string(*link.variant);
}

std::optional<std::string> practiceResultLine(const PracticeLink& link, const PracticeRound& round,
                                              std::string_view number, std::string_view name) {
    const auto pupil = readWholeNumber(number, 1, kHighestPupilNumber);
    if (!round.checked() || !pupil || !link.code || !link.variant) {
        return std::nullopt;
    }
    PupilResult result{*link.code, *link.variant, *pupil, nameForLine(name), {}};
    for (std::size_t i = 0; i < round.problems().size(); ++i) {
        result.answers.push_back(givenAnswer(round.answer(i), round.hintOpened(i)));
    }
    return resultLine(result);
}

}  // namespace worksheets
