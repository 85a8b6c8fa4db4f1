#include <string>

#include "engine/checked_arithmetic.h"
#include "engine/draw_percent.h"
#include "engine/main_form_logic.h"
#include "engine/number_text.h"
#include "engine/problem.h"
#include "engine/scenario_templates.h"
#include "engine/transcript_text.h"

namespace engine {

// The window's "Задача": each draw becomes what it does in drawProblem, and the sentence is
// composed as there, but the numbers go through the numbers list and the fragments come from the
// scenario lists, read back as the sentence needs them.
void MainFormLogic::GenerateProblem() {
    TextBox& transcript = *controls_.Text1;
    ListBox& numbers = *controls_.List1[0];

    std::string heading(kProblemHeading);
    heading += kLineBreak;
    transcript.setText(heading);
    numbers.clear();

    for (int position = 1; position < kFirstOfSecondSituation; ++position) {
        numbers.addItem(integerText(firstSituationQuantity(DrawPercent(draws_))));
    }
    // D, E and F are built from A, B and C as the list holds them.
    for (int position = kFirstOfSecondSituation; position <= kQuantityCount; ++position) {
        const std::int32_t multiplier = secondSituationMultiplier(DrawPercent(draws_));
        const double firstSituationQuantity =
            parseDecimal(numbers.item(position - kFirstOfSecondSituation));
        numbers.addItem(integerText(roundToInt16(multiplier * firstSituationQuantity)));
    }

    unknownIndex_ = static_cast<std::int16_t>(unknownPosition(DrawPercent(draws_)));
    controls_.Option1[static_cast<std::size_t>(unknownIndex_ - 1)]->select();

    const ListBox& fragments =
        *controls_.List1[static_cast<std::size_t>(scenarioNumber(DrawPercent(draws_)))];
    const std::string sentence = problemSentence(
        unknownIndex_, [&numbers](int position) { return numbers.item(position - 1); },
        [&fragments](int index) { return fragments.item(index - 1); });
    transcript.setText(problemTranscript(sentence));
}

}  // namespace engine
