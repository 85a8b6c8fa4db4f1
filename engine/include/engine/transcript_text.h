#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/solution.h"

// The transcript's text as "Задача" and "Сметки" write it, from a problem and its solution as
// values. The window writes it piece by piece, reading its lists as it goes; these pieces are
// the ones it appends.
namespace engine {

inline constexpr std::string_view kProblemHeading = "Примерен текст на условие:";
inline constexpr std::string_view kQuestion = "X = ?";

// What "Задача" leaves in the transcript: the heading, the sentence and "X = ?", each a line.
std::string problemTranscript(std::string_view sentence);

// "A = 7; ": one entry of the known values' line.
void appendKnownValue(std::string& text, int position, std::int32_t value);
// What follows the known values: their line's end, an empty line, "Отговор: ", and "X = " to
// begin the answer's line.
void appendAnswerOpening(std::string& text);
// "(12 * 28 * 10) / (7 * 96)"
void appendFormula(std::string& text, const Solution& solution);
// " = 5", the answer's value; decimalSeparator is the user's ("." or ",").
void appendAnswerValue(std::string& text, double value, std::string_view decimalSeparator);

// The lines of what "Сметки" appends, without their CR LF: "A = 7; C = 12; D = 28; E = 10;
// F = 96; " and "X = (12 * 28 * 10) / (7 * 96) = 5".
std::string knownValuesLine(const Solution& solution);
std::string answerLine(const Solution& solution, std::string_view decimalSeparator);

// All that "Сметки" appends to the transcript.
std::string solutionTranscript(const Solution& solution, std::string_view decimalSeparator);

}  // namespace engine
