#include <string>

#include "engine/checked_arithmetic.h"
#include "engine/draw_percent.h"
#include "engine/main_form_logic.h"
#include "engine/number_text.h"
#include "engine/scenario_templates.h"

namespace engine {

namespace {

constexpr std::string_view kHeading = "Примерен текст на условие:";
constexpr std::string_view kQuestion = "X = ?";
// Positions 1 to 3 (A, B, C) describe the first situation, 4 to 6 (D, E, F) the second.
constexpr int kFirstOfSecondSituation = 4;
// The longest problem, three-digit numbers in the longest scenario, takes under 300 bytes.
constexpr std::size_t kRoomForAnyProblem = 384;

}  // namespace

void MainFormLogic::GenerateProblem() {
    TextBox& transcript = *controls_.Text1;
    ListBox& numbers = *controls_.List1[0];

    // The transcript as this run sets it. It is extended here rather than read back, since the
    // text box returns exactly what was set.
    std::string text;
    text.reserve(kRoomForAnyProblem);
    text += kHeading;
    text += kLineBreak;
    transcript.setText(text);
    numbers.clear();

    // A, B and C lie in 3..19.
    for (int position = 1; position < kFirstOfSecondSituation; ++position) {
        numbers.addItem(integerText(DrawPercent(draws_) % 17 + 3));
    }
    // D, E and F are A, B and C times 2, 4, 8 or 16, so every answer is a terminating decimal.
    for (int position = kFirstOfSecondSituation; position <= kQuantityCount; ++position) {
        const int exponent = DrawPercent(draws_) % 4;
        std::int32_t multiplier = 1;
        for (int j = 0; j <= exponent; ++j) {
            multiplier = checkedMultiply(multiplier, 2);
        }
        const double firstSituationQuantity = parseDecimal(numbers.item(position - 4));
        numbers.addItem(integerText(roundToInt16(multiplier * firstSituationQuantity)));
    }

    unknownIndex_ = static_cast<std::int16_t>(DrawPercent(draws_) % kQuantityCount + 1);
    controls_.Option1[static_cast<std::size_t>(unknownIndex_ - 1)]->select();

    const int scenario = DrawPercent(draws_) % kScenarioCount + 1;
    const ListBox& fragments = *controls_.List1[static_cast<std::size_t>(scenario)];

    const bool unknownInFirstSituation = unknownIndex_ < kFirstOfSecondSituation;
    if (unknownInFirstSituation) {
        text += "Ако ";
    }
    for (int position = 1; position <= kQuantityCount; ++position) {
        if (position == kFirstOfSecondSituation) {
            text += unknownInFirstSituation ? ", то " : ", ако ";
        }
        if (position == unknownIndex_) {
            text += 'X';
        } else {
            text += numbers.item(position - 1);
        }
        text += fragments.item(position - 1);
    }
    text += kLineBreak;
    text += kQuestion;
    text += kLineBreak;
    transcript.setText(text);
}

}  // namespace engine
