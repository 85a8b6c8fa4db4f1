#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace engine {

// Plain decimal digits with a leading "-" when negative: no blanks, no grouping, no leading zeros.
std::string integerText(std::int64_t value);

// The answer as the transcript shows it: rounded to 15 significant digits, without trailing
// zeros, without a separator when whole, and never grouped ("40", "2.5", "0.0234375").
// decimalSeparator is the user's locale's ("." or ","). Magnitudes from 1e15 up, or below
// 1e-15, use an exponent ("1.5E+20").
std::string answerText(double value, std::string_view decimalSeparator);

}  // namespace engine
