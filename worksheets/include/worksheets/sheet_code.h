#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "worksheets/problem_choices.h"

namespace worksheets {

// A worksheet's code: the characters a teacher shares, from which every problem of every variant
// of the sheet follows (see problem_set.h). Codes are shared on paper and in chats, so what a code
// means never changes.
//
// The alphabet has 31 characters and no look-alikes: the digits 2 to 9 and the Latin capitals
// without I, L and O; a character's value is its place in the alphabet, from 0. The first five
// characters carry the sheet's number in base 31. Positions are counted from 1.
//
// A sheet without choices (problem_choices.h) has a code of six characters, the only kind there
// was before choices came: the sixth is a check character, chosen so that the sum of
// (position × value) over all six is a multiple of 31.
//
// A sheet with choices has eight: the sixth carries the choices (1 for whole answers only, plus 2,
// 4 or 6 for the count, the time or the amount sought; values from 8 up are kept for later), and
// the seventh and eighth are check characters, chosen so that both the sum of the values and the
// sum of (position × value) over all eight are multiples of 31.
//
// As 31 is prime and no weight is a multiple of it, a change of any one character changes the
// weighted sum, and so does a swap of two neighbours (by the difference of their values); a change
// of two characters changes at least one of the eight-character code's two sums. A code typed with
// a character left out or added has a length that no code has (5, 7 or 9), so is refused too.
class SheetCode {
public:
    // Without choices, and with.
    static constexpr std::size_t kLength = 6;
    static constexpr std::size_t kLengthWithChoices = 8;
    static constexpr std::string_view kAlphabet = "23456789ABCDEFGHJKMNPQRSTUVWXYZ";
    // 31^5: the number of sheets, each with a code of six characters and one of eight for each
    // choice.
    static constexpr std::uint32_t kCount = 28'629'151;

    // The code a teacher typed or pasted, in UTF-8: in either case, with separators anywhere
    // (the blanks of typed_text.h, line breaks included, and hyphens and dashes), and with the
    // Cyrillic letters that a Bulgarian keyboard types for the Latin ones they look like
    // (А В Е К М Н Р С Т Х, capital or small) read as those. None when it is no code: a
    // character outside the alphabet, the wrong length or a check character that does not fit.
    static std::optional<SheetCode> read(std::string_view typed);

    // How many characters of what was typed count towards a code's length: all but the separators
    // read() skips, a character of several bytes counted once.
    static std::size_t typedLength(std::string_view typed);

    // The code of sheet number % kCount with those choices: a new sheet's code from any 32-bit
    // random number.
    static SheetCode fromNumber(std::uint32_t number, ProblemChoices choices = {});

    // The same sheet with other choices.
    SheetCode withChoices(ProblemChoices choices) const { return fromNumber(number_, choices); }

    // The characters, capitals: six where the sheet has no choices, else eight.
    const std::string& text() const { return text_; }
    // The sheet the code stands for, 0 to kCount - 1: the first five characters as a number in
    // base 31, the first the most significant.
    std::uint32_t number() const { return number_; }
    const ProblemChoices& choices() const { return choices_; }

    friend bool operator==(const SheetCode&, const SheetCode&) = default;

private:
    SheetCode(std::string text, std::uint32_t number, ProblemChoices choices)
        : text_(std::move(text)), number_(number), choices_(choices) {}

    std::string text_;
    std::uint32_t number_;
    ProblemChoices choices_;
};

}  // namespace worksheets
