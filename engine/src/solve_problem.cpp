#include <array>
#include <cstdint>
#include <string>

#include "engine/checked_arithmetic.h"
#include "engine/main_form_logic.h"
#include "engine/solution.h"
#include "engine/transcript_text.h"

namespace engine {

namespace {

// A solution of the generator's numbers takes under 150 bytes.
constexpr std::size_t kRoomForAnySolution = 192;

}  // namespace

// The window's "Сметки": the numbers are read back from the numbers list, and the solution is
// solve()'s, written after whatever the transcript holds.
void MainFormLogic::SolveProblem() {
    TextBox& transcript = *controls_.Text1;
    const ListBox& numbers = *controls_.List1[0];
    std::array<std::int32_t, kQuantityCount> quantities{};
    // The solution is written straight after a copy of the transcript and set in one go; on an
    // error, what was written is still set, so the transcript shows the solution as far as it got.
    std::string text = transcript.text();
    text.reserve(text.size() + kRoomForAnySolution);

    try {
        for (int position = 1; position <= kQuantityCount; ++position) {
            const std::int32_t value = roundToInt32(parseDecimal(numbers.item(position - 1)));
            quantities[static_cast<std::size_t>(position - 1)] = value;
            if (position != unknownIndex_) {
                appendKnownValue(text, position, value);
            }
        }
        appendAnswerOpening(text);
        // An unknown outside 1 to 6 has no formula, and the answer stays 0.
        double answer = 0;
        if (unknownIndex_ >= 1 && unknownIndex_ <= kQuantityCount) {
            const Solution solution = solve(unknownIndex_, quantities);
            appendFormula(text, solution);
            answer = solution.value();
        }
        appendAnswerValue(text, answer, decimalSeparator_);
        text += kLineBreak;
    } catch (...) {
        transcript.setText(text);
        throw;
    }
    transcript.setText(text);
}

}  // namespace engine
