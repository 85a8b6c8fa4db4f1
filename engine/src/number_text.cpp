#include "engine/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace engine {

namespace {

constexpr int kSignificantDigits = 15;
// From this power of ten up (and below its negative) the answer is written with an exponent.
constexpr int kLargestPlainExponent = 14;
constexpr int kSmallestPlainExponent = -15;

// "d.dddddddddddddde+XX": the value correctly rounded to 15 significant digits. Where the standard
// library has no floating-point to_chars (Emscripten's), snprintf rounds the same way; its
// decimal point follows the C locale, which the reader below skips like any other non-digit.
std::string_view scientificText(double value, char (&buffer)[32]) {
#if defined(__cpp_lib_to_chars) && __cpp_lib_to_chars >= 201611L
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      std::chars_format::scientific, kSignificantDigits - 1);
    return std::string_view(buffer, static_cast<std::size_t>(result.ptr - buffer));
#else
    const int length = std::snprintf(buffer, sizeof buffer, "%.*e", kSignificantDigits - 1, value);
    return std::string_view(buffer, static_cast<std::size_t>(length));
#endif
}

}  // namespace

std::string integerText(std::int64_t value) {
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string answerText(double value, std::string_view decimalSeparator) {
    if (value == 0) {
        return "0";  // -0 too
    }
    if (!std::isfinite(value)) {
        return value > 0 ? "inf" : value < 0 ? "-inf" : "nan";  // never an answer: a safe fallback
    }
    char buffer[32];
    const std::string_view scientific = scientificText(value, buffer);

    const bool negative = scientific.front() == '-';
    const std::size_t exponentMark = scientific.find('e');
    std::string digits;
    for (const char c : scientific.substr(negative ? 1 : 0, exponentMark - (negative ? 1 : 0))) {
        if (c >= '0' && c <= '9') {
            digits += c;
        }
    }
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
    }
    int exponent = 0;  // "e+NN" or "e-NNN"; from_chars takes the sign as "-" only
    const char* exponentStart = scientific.data() + exponentMark + 1;
    std::from_chars(exponentStart + (*exponentStart == '+' ? 1 : 0),
                    scientific.data() + scientific.size(), exponent);

    std::string text = negative ? "-" : "";
    if (exponent > kLargestPlainExponent || exponent < kSmallestPlainExponent) {
        text += digits.front();
        if (digits.size() > 1) {
            text += decimalSeparator;
            text.append(digits, 1);
        }
        text += exponent < 0 ? "E-" : "E+";
        const std::string magnitude = integerText(std::abs(exponent));
        text += magnitude.size() < 2 ? "0" + magnitude : magnitude;
    } else if (exponent < 0) {
        text += '0';
        text += decimalSeparator;
        text.append(static_cast<std::size_t>(-exponent - 1), '0');
        text += digits;
    } else {
        const auto wholeDigits = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= wholeDigits) {
            text += digits;
            text.append(wholeDigits - digits.size(), '0');
        } else {
            text.append(digits, 0, wholeDigits);
            text += decimalSeparator;
            text.append(digits, wholeDigits);
        }
    }
    return text;
}

}  // namespace engine
