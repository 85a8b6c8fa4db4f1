#include "expected_texts.h"

#include <array>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

namespace fuzz {

namespace {

using engine::ErrorKind;

constexpr std::string_view kCrLf = "\r\n";

int percent(float r) {
    // nearbyint rounds ties to even in the default rounding mode; the product is exact.
    return static_cast<int>(std::nearbyint(static_cast<double>(r) * 100.0));
}

struct Failure {
    ErrorKind kind;
};

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Whether text is a decimal number the engine takes: an optional sign, digits with an optional
// point, at least one digit, an optional exponent with digits.
bool isDecimalNumber(std::string_view text) {
    std::size_t i = 0;
    if (i < text.size() && text[i] == '-') {
        ++i;
    }
    std::size_t digits = 0;
    while (i < text.size() && isDigit(text[i])) {
        ++i, ++digits;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && isDigit(text[i])) {
            ++i, ++digits;
        }
    }
    if (digits == 0) {
        return false;
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            ++i;
        }
        std::size_t exponentDigits = 0;
        while (i < text.size() && isDigit(text[i])) {
            ++i, ++exponentDigits;
        }
        if (exponentDigits == 0) {
            return false;
        }
    }
    return i == text.size();
}

// A numbers-list item as the solver reads it: blanks around it and one leading "+" are allowed;
// a value beyond double precision, either way, is an overflow.
std::int32_t quantityOf(const std::string& item) {
    std::string_view text = item;
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    if (text.size() > 1 && text.front() == '+' && text[1] != '-') {
        text.remove_prefix(1);
    }
    if (!isDecimalNumber(text)) {
        throw Failure{ErrorKind::NotANumber};
    }
    const std::string digits(text);
    errno = 0;
    const double value = std::strtod(digits.c_str(), nullptr);
    if (errno == ERANGE && (std::isinf(value) || value == 0)) {
        throw Failure{ErrorKind::Overflow};
    }
    const double rounded = std::nearbyint(value);
    if (rounded < -2147483648.0 || rounded > 2147483647.0) {
        throw Failure{ErrorKind::Overflow};
    }
    return static_cast<std::int32_t>(rounded);
}

std::int64_t checkedProduct(std::int64_t a, std::int64_t b) {
    const std::int64_t product = a * b;  // both within 32 bits: exact
    if (product < std::numeric_limits<std::int32_t>::min() ||
        product > std::numeric_limits<std::int32_t>::max()) {
        throw Failure{ErrorKind::Overflow};
    }
    return product;
}

// Fifteen significant digits, trailing zeros dropped. The solver's answers lie between 2^-31 and
// 2^31 in magnitude, so the plain form always applies.
std::string answerText(double value, std::string_view separator) {
    if (value == 0) {
        return "0";
    }
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14e", value);
    const int exponent = std::atoi(std::strchr(buffer, 'e') + 1);
    if (exponent < -15 || exponent > 14) {
        std::fprintf(stderr, "an answer out of the solver's range: %s\n", buffer);
        std::abort();
    }
    std::snprintf(buffer, sizeof buffer, "%.*f", exponent >= 14 ? 0 : 14 - exponent, value);
    std::string text = buffer;
    const std::size_t point = text.find('.');
    if (point != std::string::npos) {
        while (text.back() == '0') {
            text.pop_back();
        }
        if (text.back() == '.') {
            text.pop_back();
        } else {
            text.replace(point, 1, separator);
        }
    }
    return text;
}

}  // namespace

ExpectedProblem expectedProblem(const engine::in_memory::Form& window,
                                const std::vector<float>& draws) {
    ExpectedProblem expected;
    int quantity[7] = {};
    for (int i = 1; i <= 3; ++i) {
        quantity[i] = percent(draws.at(i - 1)) % 17 + 3;
    }
    for (int i = 4; i <= 6; ++i) {
        quantity[i] = quantity[i - 3] << (percent(draws.at(i - 1)) % 4 + 1);
    }
    for (int i = 1; i <= 6; ++i) {
        expected.numbers.push_back(std::to_string(quantity[i]));
    }
    expected.unknown = percent(draws.at(6)) % 6 + 1;
    const auto& fragments = window.List1.at(percent(draws.at(7)) % 16 + 1).items();

    expected.transcript = "Примерен текст на условие:\r\n";
    if (fragments.size() < 6) {
        expected.error = ErrorKind::IndexOutOfRange;
        return expected;
    }
    const bool unknownFirst = expected.unknown <= 3;
    std::string sentence = unknownFirst ? "Ако " : "";
    for (int i = 1; i <= 6; ++i) {
        if (i == 4) {
            sentence += unknownFirst ? ", то " : ", ако ";
        }
        sentence += i == expected.unknown ? "X" : expected.numbers[i - 1];
        sentence += fragments[i - 1];
    }
    expected.transcript += sentence + "\r\nX = ?\r\n";
    return expected;
}

ExpectedSolution expectedSolution(const engine::in_memory::Form& window, int unknown,
                                  std::string_view decimalSeparator) {
    ExpectedSolution expected{window.Text1.text(), {}};
    std::string& text = expected.transcript;
    const auto& items = window.List1[0].items();
    try {
        std::int64_t q[7] = {};
        for (int i = 1; i <= 6; ++i) {
            if (items.size() < static_cast<std::size_t>(i)) {
                throw Failure{ErrorKind::IndexOutOfRange};
            }
            q[i] = quantityOf(items[i - 1]);
            if (i != unknown) {
                text += static_cast<char>('@' + i);
                text += " = " + std::to_string(q[i]) + "; ";
            }
        }
        text += "\r\n\r\nОтговор: \r\nX = ";
        double answer = 0;
        if (unknown >= 1 && unknown <= 6) {
            // A*B*F = C*D*E: the other side over the unknown's two partners on its own side.
            constexpr std::array<int, 3> kAbf{1, 2, 6};
            constexpr std::array<int, 3> kCde{3, 4, 5};
            const bool unknownInAbf = unknown == 1 || unknown == 2 || unknown == 6;
            const std::array<int, 3>& top = unknownInAbf ? kCde : kAbf;
            std::vector<int> bottom;
            for (const int i : unknownInAbf ? kAbf : kCde) {
                if (i != unknown) {
                    bottom.push_back(i);
                }
            }
            const std::int64_t numerator =
                checkedProduct(checkedProduct(q[top[0]], q[top[1]]), q[top[2]]);
            const std::int64_t denominator = checkedProduct(q[bottom[0]], q[bottom[1]]);
            if (denominator == 0) {
                throw Failure{ErrorKind::DivisionByZero};
            }
            answer = static_cast<double>(numerator) / static_cast<double>(denominator);
            text += "(" + std::to_string(q[top[0]]) + " * " + std::to_string(q[top[1]]) + " * " +
                    std::to_string(q[top[2]]) + ") / (" + std::to_string(q[bottom[0]]) + " * " +
                    std::to_string(q[bottom[1]]) + ")";
        }
        text += " = " + answerText(answer, decimalSeparator);
        text += kCrLf;
    } catch (const Failure& failure) {
        expected.error = failure.kind;
    }
    return expected;
}

}  // namespace fuzz
