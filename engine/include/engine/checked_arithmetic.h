#pragma once

#include <cstdint>
#include <string_view>

// Integer arithmetic of the engine: 32-bit signed with overflow checking, conversions that round
// to nearest with ties to even. Every failure throws engine::RuntimeError; nothing wraps around
// silently and nothing is undefined.
namespace engine {

// Throws ErrorKind::Overflow when the product does not fit in 32 bits.
std::int32_t checkedMultiply(std::int32_t a, std::int32_t b);

// Nearest integer, ties to even: 2.5 gives 2, 3.5 gives 4, -2.5 gives -2.
double roundHalfEven(double value);

// Round half to even, then narrow; throws ErrorKind::Overflow when the result does not fit
// (or the value is not finite).
std::int32_t roundToInt32(double value);
std::int16_t roundToInt16(double value);

// The value of a decimal number written as text: optional blanks, an optional sign, digits with
// an optional "." fraction and an optional exponent, optional blanks. Throws
// ErrorKind::NotANumber for anything else (empty text, letters, "inf", "nan") and
// ErrorKind::Overflow for a magnitude beyond double precision.
double parseDecimal(std::string_view text);

}  // namespace engine
