#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace worksheets {

// One character of UTF-8 text, as a teacher or a pupil types or pastes it into a page's field.
struct Utf8Character {
    // Its bytes; 0 where the bytes at the start are no valid UTF-8: a stray continuation byte, an
    // overlong form, a surrogate, a code point past U+10FFFF, or a sequence cut short.
    std::size_t length = 0;
    std::uint32_t codePoint = 0;
};

// The character at the start of text, which is not empty.
Utf8Character firstUtf8Character(std::string_view text);

}  // namespace worksheets
