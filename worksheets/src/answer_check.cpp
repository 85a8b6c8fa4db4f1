#include "worksheets/answer_check.h"

#include <array>
#include <stdexcept>
#include <string>
#include <utility>

#include "worksheets/typed_text.h"

namespace worksheets {

namespace {

using Natural = std::vector<std::uint32_t>;

constexpr std::uint32_t kLimbBase = 1'000'000'000;
constexpr std::size_t kLimbDigits = 9;

constexpr std::array<std::string_view, 4> kUnknowns = {{"X", "x", "\u0425", "\u0445"}};
constexpr std::array<std::string_view, 2> kMinusSigns = {{"-", "\u2212"}};

// Whether text is valid UTF-8 of at most kLongestAnswer code points; it stops at the first
// character too many, so a long paste costs no more than a short one.
bool isShortUtf8(std::string_view text) {
    TypedText characters(text);
    for (std::size_t count = 0; !characters.empty(); ++count) {
        if (count == kLongestAnswer || characters.takeCharacter().length == 0) {
            return false;
        }
    }
    return true;
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
std::optional<std::string> takeWholePart(TypedText& text) {
    std::string whole(text.takeDigits());
    const bool groupable = !whole.empty() && whole.size() <= 3;
    for (;;) {
        // A single space of some width between groups: never a tab, nor one that does not show.
        TypedText rest = text;
        if (!rest.skipBlank(BlankKind::kSpace) || rest.empty() || !isDigit(rest.rest().front())) {
            return whole;  // no more groups; the blank may come before a "/"
        }
        const std::string_view group = rest.takeDigits();
        if (!groupable || group.size() != 3) {
            return std::nullopt;
        }
        whole += group;
        text = rest;
    }
}

std::optional<Decimal> takeDecimal(TypedText& text) {
    std::optional<std::string> whole = takeWholePart(text);
    if (!whole) {
        return std::nullopt;
    }
    Decimal decimal{std::move(*whole), 0};
    if (text.take(',') || text.take('.')) {
        const std::string_view decimals = text.takeDigits();
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

ExactNumber ExactNumber::fraction(std::uint64_t numerator, std::uint64_t denominator) {
    if (denominator == 0) {
        throw std::invalid_argument("a fraction's denominator is 0");
    }
    return ExactNumber(false, naturalOf(std::to_string(numerator)),
                       naturalOf(std::to_string(denominator)));
}

std::optional<ExactNumber> readAnswerNumber(std::string_view typed) {
    TypedText text(typed);
    text.trim();
    if (!isShortUtf8(text.rest())) {
        return std::nullopt;
    }
    if (text.takeAnyOf(kUnknowns)) {
        text.skipBlanks();
        if (!text.take('=')) {
            return std::nullopt;
        }
        text.skipBlanks();
    }
    const bool negative = !text.take('+') && text.takeAnyOf(kMinusSigns);
    text.skipBlanks();
    const std::optional<Decimal> p = takeDecimal(text);
    if (!p) {
        return std::nullopt;
    }
    Natural numerator = naturalOf(p->digits);
    Natural denominator = powerOfTen(p->decimals);
    text.skipBlanks();
    if (text.take('/')) {
        text.skipBlanks();
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

AnswerVerdict checkAnswer(const ExactNumber& answer, std::string_view typed) {
    if (TypedText(typed).trim().empty()) {
        return AnswerVerdict::kNoAnswer;
    }
    const std::optional<ExactNumber> read = readAnswerNumber(typed);
    if (!read) {
        return AnswerVerdict::kNotANumber;
    }
    return *read == answer ? AnswerVerdict::kRight : AnswerVerdict::kWrong;
}

AnswerVerdict checkAnswer(const SheetProblem& problem, std::string_view typed) {
    const engine::Solution& solution = problem.solution;
    return checkAnswer(
        ExactNumber::fraction(static_cast<std::uint64_t>(solution.numeratorProduct),
                              static_cast<std::uint64_t>(solution.denominatorProduct)),
        typed);
}

}  // namespace worksheets
