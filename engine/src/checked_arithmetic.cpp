#include "engine/checked_arithmetic.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <system_error>

#include "engine/decimal_reading.h"
#include "engine/runtime_error.h"

namespace engine {

namespace {

template <typename Int>
Int roundToInteger(double value, const char* typeName) {
    const double rounded = roundHalfEven(value);
    // Comparing in double is exact here: both limits of a 16- or 32-bit type are representable.
    if (!(rounded >= static_cast<double>(std::numeric_limits<Int>::min()) &&
          rounded <= static_cast<double>(std::numeric_limits<Int>::max()))) {
        throw RuntimeError(ErrorKind::Overflow,
                           "value does not fit in a " + std::string(typeName) + " integer");
    }
    return static_cast<Int>(rounded);
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// The start of text for an error message: at most 40 bytes, cut between UTF-8 characters, with
// control characters (line breaks, NUL) shown as "?" so the message stays on one line.
std::string quoted(std::string_view text) {
    constexpr std::size_t kShown = 40;
    std::size_t length = std::min(text.size(), kShown);
    while (length < text.size() && length > 0 && (text[length] & 0xC0) == 0x80) {
        --length;  // a continuation byte: the cut would split a character
    }
    std::string shown(text.substr(0, length));
    for (char& c : shown) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
            c = '?';
        }
    }
    return "\"" + shown + (length < text.size() ? "...\"" : "\"");
}

// Reads text that is nothing but an optional "-" and up to 15 digits, the numbers list's usual
// items, whose value a double holds exactly, at once.
bool readPlainInteger(std::string_view text, double& value) {
    constexpr std::size_t kMostDigits = 15;
    const bool negative = !text.empty() && text.front() == '-';
    const std::string_view digits = text.substr(negative ? 1 : 0);
    if (digits.empty() || digits.size() > kMostDigits) {
        return false;
    }
    std::int64_t whole = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') {
            return false;
        }
        whole = whole * 10 + (c - '0');
    }
    value = negative ? -static_cast<double>(whole) : static_cast<double>(whole);
    return true;
}

struct ParsedNumber {
    double value = 0;
    const char* end = nullptr;  // just past what was read as the number
    std::errc error{};
};

// The number at the start of text: an optional "-", digits with an optional fraction and exponent
// (decimal_reading.h); no blanks, "+", hex, "inf" or "nan".
ParsedNumber readNumber(std::string_view text) {
    ParsedNumber number;
    if (readPlainInteger(text, number.value)) {
        number.end = text.data() + text.size();
        return number;
    }
    const DecimalReading reading = readDecimal(text);
    number.value = reading.value;
    number.end = text.data() + reading.length;
    number.error = reading.error;
    return number;
}

}  // namespace

std::int32_t checkedMultiply(std::int32_t a, std::int32_t b) {
    const std::int64_t product = std::int64_t{a} * b;  // exact: two 32-bit factors fit in 64 bits
    if (product < std::numeric_limits<std::int32_t>::min() ||
        product > std::numeric_limits<std::int32_t>::max()) {
        throw RuntimeError(ErrorKind::Overflow, "32-bit multiplication overflows");
    }
    return static_cast<std::int32_t>(product);
}

double roundHalfEven(double value) {
    if (std::fabs(value - std::trunc(value)) == 0.5) {
        return 2.0 * std::round(value / 2.0);
    }
    return std::round(value);
}

std::int32_t roundToInt32(double value) { return roundToInteger<std::int32_t>(value, "32-bit"); }

std::int16_t roundToInt16(double value) { return roundToInteger<std::int16_t>(value, "16-bit"); }

double parseDecimal(std::string_view text) {
    std::string_view digits = text;
    while (!digits.empty() && isBlank(digits.front())) {
        digits.remove_prefix(1);
    }
    while (!digits.empty() && isBlank(digits.back())) {
        digits.remove_suffix(1);
    }
    // The reading takes a "-" but not a "+"; a sign followed by another sign stays invalid.
    if (digits.size() > 1 && digits.front() == '+' && digits[1] != '-') {
        digits.remove_prefix(1);
    }
    const auto [value, end, error] = readNumber(digits);
    // Out of range only counts when the whole text is the number: "1e999x" is not a number.
    const bool whole = end == digits.data() + digits.size();
    if (error == std::errc::result_out_of_range && whole) {
        throw RuntimeError(ErrorKind::Overflow, "number out of range: " + quoted(text));
    }
    if (error != std::errc{} || !whole || !std::isfinite(value)) {
        throw RuntimeError(ErrorKind::NotANumber, "not a number: " + quoted(text));
    }
    return value;
}

}  // namespace engine
