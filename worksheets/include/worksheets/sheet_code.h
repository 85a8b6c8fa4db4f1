#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace worksheets {

// A worksheet's code: the six characters a teacher shares, from which every problem of every
// variant of the sheet follows (see problem_set.h).
//
// The alphabet has 31 characters and no look-alikes: the digits 2 to 9 and the Latin capitals
// without I, L and O. The first five characters carry the sheet; the sixth is a check character,
// chosen so that the sum of (position × value) over all six, positions counted 1 to 6 and values
// as the characters' places in the alphabet from 0, is a multiple of 31. As 31 is prime and the
// weights 1 to 6 are not multiples of it, a change of any one character changes the sum, and so
// does a swap of two neighbours (by the difference of their values). A code typed with a
// character left out or added has the wrong length.
class SheetCode {
public:
    static constexpr std::size_t kLength = 6;
    static constexpr std::string_view kAlphabet = "23456789ABCDEFGHJKMNPQRSTUVWXYZ";
    // 31^5: the number of codes.
    static constexpr std::uint32_t kCount = 28'629'151;

    // The code a teacher typed or pasted, in UTF-8: in either case, with separators anywhere
    // (the blanks of typed_text.h, line breaks included, and hyphens and dashes), and with the
    // Cyrillic letters that a Bulgarian keyboard types for the Latin ones they look like
    // (А В Е К М Н Р С Т Х, capital or small) read as those. None when it is no code: a
    // character outside the alphabet, the wrong length or a check character that does not fit.
    static std::optional<SheetCode> read(std::string_view typed);

    // How many characters of what was typed count towards a code's six: all but the separators
    // read() skips, a character of several bytes counted once.
    static std::size_t typedLength(std::string_view typed);

    // The code numbered number % kCount: a new sheet's code from any 32-bit random number.
    static SheetCode fromNumber(std::uint32_t number);

    // The six characters, capitals.
    const std::string& text() const { return text_; }
    // The sheet the code stands for, 0 to kCount - 1: the first five characters as a number in
    // base 31, the first the most significant.
    std::uint32_t number() const { return number_; }

    friend bool operator==(const SheetCode&, const SheetCode&) = default;

private:
    SheetCode(std::string text, std::uint32_t number) : text_(std::move(text)), number_(number) {}

    std::string text_;
    std::uint32_t number_;
};

}  // namespace worksheets
