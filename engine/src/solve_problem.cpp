#include <array>
#include <cstdint>
#include <string>

#include "engine/checked_arithmetic.h"
#include "engine/main_form_logic.h"
#include "engine/number_text.h"
#include "engine/runtime_error.h"
#include "quantity_letter.h"

namespace engine {

namespace {

// The relation A*B*F = C*D*E solved for one position: the answer is the product of the three
// numerator positions over the product of the two denominator positions. Each group is in
// ascending position, which is also the order the formula shows them in.
struct Formula {
    std::array<int, 3> numerator;
    std::array<int, 2> denominator;
};

constexpr std::array<Formula, kQuantityCount> kFormulas = {{
    {{3, 4, 5}, {2, 6}},  // A = C*D*E / (B*F)
    {{3, 4, 5}, {1, 6}},  // B = C*D*E / (A*F)
    {{1, 2, 6}, {4, 5}},  // C = A*B*F / (D*E)
    {{1, 2, 6}, {3, 5}},  // D = A*B*F / (C*E)
    {{1, 2, 6}, {3, 4}},  // E = A*B*F / (C*D)
    {{3, 4, 5}, {1, 2}},  // F = C*D*E / (A*B)
}};

constexpr std::string_view kAnswerHeading = "Отговор: ";
// A solution of the generator's numbers takes under 150 bytes.
constexpr std::size_t kRoomForAnySolution = 192;

}  // namespace

void MainFormLogic::SolveProblem() {
    TextBox& transcript = *controls_.Text1;
    const ListBox& numbers = *controls_.List1[0];
    // Element i holds quantity i; 0 and 7 stay unused.
    std::array<std::int32_t, 8> quantity{};
    double answer = 0;
    // The solution is written straight after a copy of the transcript and set in one go; on an
    // error, what was written is still set, so the transcript shows the solution as far as it got.
    std::string text = transcript.text();
    text.reserve(text.size() + kRoomForAnySolution);

    try {
        for (int position = 1; position <= kQuantityCount; ++position) {
            quantity[position] = roundToInt32(parseDecimal(numbers.item(position - 1)));
            if (position != unknownIndex_) {
                text += quantityLetter(position);
                text += " = ";
                text += integerText(quantity[position]);
                text += "; ";
            }
        }
        text += kLineBreak;
        text += kLineBreak;
        text += kAnswerHeading;
        text += kLineBreak;
        text += "X = ";

        if (unknownIndex_ >= 1 && unknownIndex_ <= kQuantityCount) {
            const Formula& formula = kFormulas[static_cast<std::size_t>(unknownIndex_ - 1)];
            const auto& [n1, n2, n3] = formula.numerator;
            const auto& [d1, d2] = formula.denominator;
            const std::int32_t numerator =
                checkedMultiply(checkedMultiply(quantity[n1], quantity[n2]), quantity[n3]);
            const std::int32_t denominator = checkedMultiply(quantity[d1], quantity[d2]);
            if (denominator == 0) {
                throw RuntimeError(ErrorKind::DivisionByZero, "the answer's denominator is 0");
            }
            answer = static_cast<double>(numerator) / static_cast<double>(denominator);

            text += '(';
            text += integerText(quantity[n1]);
            text += " * ";
            text += integerText(quantity[n2]);
            text += " * ";
            text += integerText(quantity[n3]);
            text += ") / (";
            text += integerText(quantity[d1]);
            text += " * ";
            text += integerText(quantity[d2]);
            text += ')';
        }

        text += " = ";
        text += answerText(answer, decimalSeparator_);
        text += kLineBreak;
    } catch (...) {
        transcript.setText(text);
        throw;
    }
    transcript.setText(text);
}

}  // namespace engine
