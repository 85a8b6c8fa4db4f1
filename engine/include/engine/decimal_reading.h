#pragma once

#include <cstddef>
#include <string_view>
#include <system_error>

// A decimal number's text read to the nearest double, the same on every platform. Worked out in
// big integers rather than by the C library, whose reading in WebAssembly (musl's) goes through
// software quadruple precision and weighs as much as a page of the program.
namespace engine {

struct DecimalReading {
    double value = 0;
    // What was read as the number, in bytes from the start.
    std::size_t length = 0;
    std::errc error{};
};

// The number at the start of text: an optional "-", digits with an optional "." and more digits
// (a digit at least on one side), and an optional exponent: "e" or "E", an optional sign and
// digits (an "e" without digits is not read). Rounded to the nearest double, a tie to the even
// one. Where no number starts the text, length 0 and std::errc::invalid_argument; where the
// value rounds to infinity, or to zero from a non-zero value, std::errc::result_out_of_range.
DecimalReading readDecimal(std::string_view text);

}  // namespace engine
