#include "engine/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <utility>

namespace engine {

namespace {

constexpr int kSignificantDigits = 15;
// From this power of ten up (and below its negative) the answer is written with an exponent.
constexpr int kLargestPlainExponent = 14;
constexpr int kSmallestPlainExponent = -15;

// A non-zero magnitude as its significant digits, without trailing zeros, and the power of ten
// of the first: 2.5 is {"25", 0}, 40 is {"4", 1}, 0.0234375 is {"234375", -2}.
struct Digits {
    std::string significant;
    int exponent = 0;
};

void dropTrailingZeros(std::string& digits) {
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
    }
}

// The magnitude's exact digits when there are at most 15 of them, as with every answer to the
// generator's numbers (they divide only by powers of two); none otherwise. Worked out in
// integers: a double is m * 2^e with m odd, and for e < 0 it times 10^-e is the integer m * 5^-e.
// This is exact, and quick where printing a double is slow (musl, in WebAssembly, prints through
// software quadruple precision).
std::optional<Digits> exactDigits(double magnitude) {
    constexpr std::uint64_t kFifteenDigits = 999'999'999'999'999;
    constexpr int kSignificandBits = 53;
    int binaryExponent = 0;
    const double fraction = std::frexp(magnitude, &binaryExponent);  // in [0.5, 1)
    auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, kSignificandBits));
    int twos = binaryExponent - kSignificandBits;
    while ((mantissa & 1) == 0) {
        mantissa >>= 1;
        ++twos;
    }
    std::uint64_t whole = mantissa;
    int decimals = 0;
    if (twos >= 0) {
        if (twos >= kSignificandBits || mantissa > kFifteenDigits >> twos) {
            return std::nullopt;
        }
        whole = mantissa << twos;
    } else {
        for (decimals = 0; decimals < -twos; ++decimals) {
            if (whole > kFifteenDigits / 5) {
                return std::nullopt;
            }
            whole *= 5;
        }
    }
    Digits digits{integerText(static_cast<std::int64_t>(whole)), 0};
    digits.exponent = static_cast<int>(digits.significant.size()) - 1 - decimals;
    dropTrailingZeros(digits.significant);
    return digits;
}

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

// The magnitude correctly rounded to 15 significant digits.
Digits roundedDigits(double magnitude) {
    char buffer[32];
    const std::string_view scientific = scientificText(magnitude, buffer);
    const std::size_t exponentMark = scientific.find('e');
    Digits digits;
    for (const char c : scientific.substr(0, exponentMark)) {
        if (c >= '0' && c <= '9') {
            digits.significant += c;
        }
    }
    dropTrailingZeros(digits.significant);
    // "e+NN" or "e-NNN"; from_chars takes the sign as "-" only
    const char* exponentStart = scientific.data() + exponentMark + 1;
    std::from_chars(exponentStart + (*exponentStart == '+' ? 1 : 0),
                    scientific.data() + scientific.size(), digits.exponent);
    return digits;
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
    const bool negative = value < 0;
    const double magnitude = std::fabs(value);
    std::optional<Digits> exact = exactDigits(magnitude);
    const Digits found = exact ? std::move(*exact) : roundedDigits(magnitude);
    const std::string& digits = found.significant;
    const int exponent = found.exponent;

    std::string text = negative ? "-" : "";
    if (exponent > kLargestPlainExponent || exponent < kSmallestPlainExponent) {
        text += digits.front();
        if (digits.size() > 1) {
            text += decimalSeparator;
            text.append(digits, 1);
        }
        text += exponent < 0 ? "E-" : "E+";
        const std::string exponentDigits = integerText(std::abs(exponent));
        text += exponentDigits.size() < 2 ? "0" + exponentDigits : exponentDigits;
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
