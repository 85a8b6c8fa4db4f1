#include "engine/transcript_text.h"

#include "engine/number_text.h"
#include "engine/text_box.h"
#include "quantity_letter.h"

namespace engine {

namespace {

constexpr std::string_view kAnswerHeading = "Отговор: ";

template <std::size_t N>
void appendFactors(std::string& text, const std::array<Quantity, N>& factors) {
    for (std::size_t i = 0; i < N; ++i) {
        if (i > 0) {
            text += " * ";
        }
        text += integerText(factors[i].value);
    }
}

}  // namespace

std::string problemTranscript(std::string_view sentence) {
    std::string text;
    text.reserve(kProblemHeading.size() + sentence.size() + kQuestion.size() +
                 3 * kLineBreak.size());
    text += kProblemHeading;
    text += kLineBreak;
    text += sentence;
    text += kLineBreak;
    text += kQuestion;
    text += kLineBreak;
    return text;
}

void appendKnownValue(std::string& text, int position, std::int32_t value) {
    text += quantityLetter(position);
    text += " = ";
    text += integerText(value);
    text += "; ";
}

void appendAnswerOpening(std::string& text) {
    text += kLineBreak;
    text += kLineBreak;
    text += kAnswerHeading;
    text += kLineBreak;
    text += "X = ";
}

void appendFormula(std::string& text, const Solution& solution) {
    text += '(';
    appendFactors(text, solution.numerator);
    text += ") / (";
    appendFactors(text, solution.denominator);
    text += ')';
}

void appendAnswerValue(std::string& text, double value, std::string_view decimalSeparator) {
    text += " = ";
    text += answerText(value, decimalSeparator);
}

std::string knownValuesLine(const Solution& solution) {
    std::string line;
    for (const Quantity& known : solution.known) {
        appendKnownValue(line, known.position, known.value);
    }
    return line;
}

std::string answerLine(const Solution& solution, std::string_view decimalSeparator) {
    std::string line = "X = ";
    appendFormula(line, solution);
    appendAnswerValue(line, solution.value(), decimalSeparator);
    return line;
}

std::string solutionTranscript(const Solution& solution, std::string_view decimalSeparator) {
    std::string text = knownValuesLine(solution);
    appendAnswerOpening(text);
    appendFormula(text, solution);
    appendAnswerValue(text, solution.value(), decimalSeparator);
    text += kLineBreak;
    return text;
}

}  // namespace engine
