#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "worksheets/problem_set.h"

namespace worksheets {

// What a pupil's typed answer to a problem is found to be.
enum class AnswerVerdict { kNoAnswer, kRight, kWrong, kNotANumber };

// The longest answer read, in characters (UTF-8 code points, so that a Cyrillic "Х" counts as
// one), not counting the blanks around it; longer text is no number: a stray paste.
inline constexpr std::size_t kLongestAnswer = 100;

// A number exactly, however many digits it was typed with: a sign and a fraction of naturals.
class ExactNumber {
public:
    // The fraction numerator / denominator, denominator not 0 (std::invalid_argument otherwise).
    static ExactNumber fraction(std::uint64_t numerator, std::uint64_t denominator);

    // Equal values: 10/4 equals 2,5, and 0 equals -0.
    friend bool operator==(const ExactNumber& a, const ExactNumber& b);

private:
    friend std::optional<ExactNumber> readAnswerNumber(std::string_view typed);

    // Base 10^9 limbs, the least significant first, without leading zero limbs (zero: none).
    using Natural = std::vector<std::uint32_t>;

    ExactNumber(bool negative, Natural numerator, Natural denominator);

    bool negative_;
    Natural numerator_;
    Natural denominator_;  // never zero
};

// The number typed, in UTF-8; none when it is no number (blanks only included). Read, with the
// blanks and digits of typed_text.h:
// - blanks around it, line breaks included;
// - "X =" first if the pupil likes (X Latin or Cyrillic, capital or small), blanks or none
//   around the "=";
// - a sign if any: "+", "-" or the minus sign U+2212, blanks or none after it;
// - a decimal, or a fraction of two decimals "p/q", blanks or none around the "/", q not 0.
// A decimal is digits with a decimal comma or point and more digits if it has any decimals:
// "5," is refused as half-typed, ",5" read as 0,5 as a pupil means it. Its whole part may be
// grouped in threes by single spaces (of any width, not tabs nor invisible ones): "97 550",
// "1 234 567,5"; irregular groups ("97 55") are no number, nor are commas or points between
// groups ("1.234.567") nor groups in the decimals. No exponents, no other bases.
// Linear in the length of typed, and never throws for anything typed.
std::optional<ExactNumber> readAnswerNumber(std::string_view typed);

// The pupil's answer against the exact answer, read as above: right only when the two are
// exactly equal.
AnswerVerdict checkAnswer(const ExactNumber& answer, std::string_view typed);
// Against the problem's solution.
AnswerVerdict checkAnswer(const SheetProblem& problem, std::string_view typed);

}  // namespace worksheets
