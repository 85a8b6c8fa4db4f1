#include "worksheets/answer_check.h"

#include <array>
#include <stdexcept>
#include <string>
#include <utility>

#include "worksheets/utf8.h"

namespace worksheets {

namespace {

using Natural = std::vector<std::uint32_t>;

constexpr std::uint32_t kLimbBase = 1'000'000'000;
constexpr std::size_t kLimbDigits = 9;

// Blanks inside an answer; those around it may also be the line breaks of a paste.
constexpr std::array<std::string_view, 5> kBlanks = {{" ", "\t", "\u00A0", "\u202F", "\u2009"}};
constexpr std::array<std::string_view, 7> kOuterBlanks = {
    {" ", "\t", "\u00A0", "\u202F", "\u2009", "\n", "\r"}};
// What may stand between groups of three digits: a single space of any width, never a tab.
constexpr std::array<std::string_view, 4> kGroupSeparators = {{" ", "\u00A0", "\u202F", "\u2009"}};
constexpr std::array<std::string_view, 4> kUnknowns = {{"X", "x", "\u0425", "\u0445"}};
constexpr std::array<std::string_view, 2> kMinusSigns = {{"-", "\u2212"}};

template <std::size_t N>
std::size_t startLength(std::string_view text, const std::array<std::string_view, N>& tokens) {
    for (const std::string_view token : tokens) {
        if (text.starts_with(token)) {
            return token.size();
        }
    }
    return 0;
}

template <std::size_t N>
bool take(std::string_view& text, const std::array<std::string_view, N>& tokens) {
    const std::size_t length = startLength(text, tokens);
    text.remove_prefix(length);
    return length > 0;
}

bool take(std::string_view& text, char c) {
    if (text.empty() || text.front() != c) {
        return false;
    }
    text.remove_prefix(1);
    return true;
}

void skipBlanks(std::string_view& text) {
    while (take(text, kBlanks)) {
    }
}

std::string_view trimmed(std::string_view text) {
    while (take(text, kOuterBlanks)) {
    }
    for (bool cut = true; cut;) {
        cut = false;
        for (const std::string_view blank : kOuterBlanks) {
            if (text.ends_with(blank)) {
                text.remove_suffix(blank.size());
                cut = true;
            }
        }
    }
    return text;
}

// Whether text is valid UTF-8 of at most kLongestAnswer code points; it stops at the first
// character too many, so a long paste costs no more than a short one.
bool isShortUtf8(std::string_view text) {
    for (std::size_t characters = 0; !text.empty(); ++characters) {
        const std::size_t length = firstUtf8Character(text).length;
        if (characters == kLongestAnswer || length == 0) {
            return false;
        }
        text.remove_prefix(length);
    }
    return true;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view takeDigits(std::string_view& text) {
    std::size_t count = 0;
    while (count < text.size() && isDigit(text[count])) {
        ++count;
    }
    const std::string_view digits = text.substr(0, count);
    text.remove_prefix(count);
    return digits;
}

Natural naturalOf(std::string_view digits) {
    while (!digits.empty() && digits.front() == '0') {
        digits.remove_prefix(1);
    }
    Natural limbs;
    limbs.reserve(digits.size() / kLimbDigits + 1);
    for (std::size_t end = digits.size(); end > 0;) {
        const std::size_t start = end > kLimbDigits ? end - kLimbDigits : 0;
        std::uint32_t limb = 0;
        for (std::size_t i = start; i < end; ++i) {
            limb = limb * 10 + static_cast<std::uint32_t>(digits[i] - '0');
        }
        limbs.push_back(limb);
        end = start;
    }
    return limbs;
}

Natural powerOfTen(std::size_t exponent) {
    std::string digits = "1";
    digits.append(exponent, '0');
    return naturalOf(digits);
}

Natural product(const Natural& a, const Natural& b) {
    if (a.empty() || b.empty()) {
        return {};
    }
    Natural result(a.size() + b.size(), 0);
    for (std::size_t i = 0; i < a.size(); ++i) {
        std::uint64_t carry = 0;
        for (std::size_t j = 0; j < b.size(); ++j) {
            const std::uint64_t sum = result[i + j] + std::uint64_t{a[i]} * b[j] + carry;
            result[i + j] = static_cast<std::uint32_t>(sum % kLimbBase);
            carry = sum / kLimbBase;
        }
        result[i + b.size()] = static_cast<std::uint32_t>(carry);  // a limb not yet written
    }
    while (!result.empty() && result.back() == 0) {
        result.pop_back();
    }
    return result;
}

// A decimal as its digits without the separator, over ten to the number of decimals.
struct Decimal {
    std::string digits;
    std::size_t decimals = 0;
};

// The whole part, with its groups of three if any: "97 550" is "97550".
std::optional<std::string> takeWholePart(std::string_view& text) {
    std::string whole(takeDigits(text));
    const bool groupable = !whole.empty() && whole.size() <= 3;
    for (;;) {
        std::string_view rest = text;
        if (!take(rest, kGroupSeparators) || rest.empty() || !isDigit(rest.front())) {
            return whole;  // no more groups; the blank may come before a "/"
        }
        const std::string_view group = takeDigits(rest);
        if (!groupable || group.size() != 3) {
            return std::nullopt;
        }
        whole += group;
        text = rest;
    }
}

std::optional<Decimal> takeDecimal(std::string_view& text) {
    std::optional<std::string> whole = takeWholePart(text);
    if (!whole) {
        return std::nullopt;
    }
    Decimal decimal{std::move(*whole), 0};
    if (take(text, ',') || take(text, '.')) {
        const std::string_view decimals = takeDigits(text);
        if (decimals.empty()) {
            return std::nullopt;
        }
        decimal.digits += decimals;
        decimal.decimals = decimals.size();
    }
    if (decimal.digits.empty()) {
        return std::nullopt;
    }
    return decimal;
}

}  // namespace

ExactNumber::ExactNumber(bool negative, Natural numerator, Natural denominator)
    : negative_(negative), numerator_(std::move(numerator)), denominator_(std::move(denominator)) {}

bool operator==(const ExactNumber& a, const ExactNumber& b) {
    if (a.numerator_.empty() || b.numerator_.empty()) {
        return a.numerator_.empty() && b.numerator_.empty();
    }
    return a.negative_ == b.negative_ &&
           product(a.numerator_, b.denominator_) == product(b.numerator_, a.denominator_);
}

std::optional<ExactNumber> readAnswerNumber(std::string_view typed) {
    std::string_view text = trimmed(typed);
    if (!isShortUtf8(text)) {
        return std::nullopt;
    }
    if (take(text, kUnknowns)) {
        skipBlanks(text);
        if (!take(text, '=')) {
            return std::nullopt;
        }
        skipBlanks(text);
    }
    const bool negative = !take(text, '+') && take(text, kMinusSigns);
    skipBlanks(text);
    const std::optional<Decimal> p = takeDecimal(text);
    if (!p) {
        return std::nullopt;
    }
    Natural numerator = naturalOf(p->digits);
    Natural denominator = powerOfTen(p->decimals);
    skipBlanks(text);
    if (take(text, '/')) {
        skipBlanks(text);
        const std::optional<Decimal> q = takeDecimal(text);
        if (!q) {
            return std::nullopt;
        }
        // p / q = (p's digits * 10^q's decimals) / (10^p's decimals * q's digits)
        const Natural qDigits = naturalOf(q->digits);
        if (qDigits.empty()) {
            return std::nullopt;
        }
        numerator = product(numerator, powerOfTen(q->decimals));
        denominator = product(denominator, qDigits);
    }
    if (!text.empty()) {
        return std::nullopt;
    }
    return ExactNumber(negative, std::move(numerator), std::move(denominator));
}

AnswerVerdict checkAnswer(const SheetProblem& problem, std::string_view typed) {
    constexpr std::string_view kLastEquals = " = ";
    const std::size_t equals = problem.answer.rfind(kLastEquals);
    const std::optional<ExactNumber> expected =
        equals == std::string::npos
            ? std::nullopt
            : readAnswerNumber(
                  std::string_view(problem.answer).substr(equals + kLastEquals.size()));
    if (!expected) {
        throw std::logic_error("a problem's answer line ends in no number");
    }
    if (trimmed(typed).empty()) {
        return AnswerVerdict::kNoAnswer;
    }
    const std::optional<ExactNumber> read = readAnswerNumber(typed);
    if (!read) {
        return AnswerVerdict::kNotANumber;
    }
    return *read == *expected ? AnswerVerdict::kRight : AnswerVerdict::kWrong;
}

}  // namespace worksheets
