#include <string>

#include "engine/checked_arithmetic.h"
#include "engine/draw_percent.h"
#include "engine/main_form.h"
#include "engine/number_text.h"
#include "engine/scenario_templates.h"
#include "transcript.h"

namespace engine {

namespace {

constexpr std::string_view kHeading = "Примерен текст на условие:";
constexpr std::string_view kQuestion = "X = ?";
// Positions 1 to 3 (A, B, C) describe the first situation, 4 to 6 (D, E, F) the second.
constexpr int kFirstOfSecondSituation = 4;

}  // namespace

void MainForm::GenerateProblem() {
    TextBox& transcript = *controls_.Text1;
    ListBox& numbers = *controls_.List1[0];

    transcript.setText(std::string(kHeading) + std::string(kLineBreak));
    numbers.clear();

    // A, B and C lie in 3..19.
    for (int position = 1; position < kFirstOfSecondSituation; ++position) {
        numbers.addItem(integerText(DrawPercent(random_) % 17 + 3));
    }
    // D, E and F are A, B and C times 2, 4, 8 or 16, so every answer is a terminating decimal.
    for (int position = kFirstOfSecondSituation; position <= kQuantityCount; ++position) {
        const int exponent = DrawPercent(random_) % 4;
        std::int32_t multiplier = 1;
        for (int j = 0; j <= exponent; ++j) {
            multiplier = checkedMultiply(multiplier, 2);
        }
        const double firstSituationQuantity = parseDecimal(numbers.item(position - 4));
        numbers.addItem(integerText(roundToInt16(multiplier * firstSituationQuantity)));
    }

    unknownIndex_ = static_cast<std::int16_t>(DrawPercent(random_) % kQuantityCount + 1);
    controls_.Option1[static_cast<std::size_t>(unknownIndex_ - 1)]->select();

    const int scenario = DrawPercent(random_) % kScenarioCount + 1;
    const ListBox& fragments = *controls_.List1[static_cast<std::size_t>(scenario)];

    const bool unknownInFirstSituation = unknownIndex_ < kFirstOfSecondSituation;
    std::string problem = unknownInFirstSituation ? "Ако " : "";
    for (int position = 1; position <= kQuantityCount; ++position) {
        if (position == kFirstOfSecondSituation) {
            problem += unknownInFirstSituation ? ", то " : ", ако ";
        }
        problem += position == unknownIndex_ ? "X" : numbers.item(position - 1);
        problem += fragments.item(position - 1);
    }
    problem += kLineBreak;
    problem += kQuestion;
    problem += kLineBreak;
    appendToTranscript(transcript, problem);
}

}  // namespace engine
