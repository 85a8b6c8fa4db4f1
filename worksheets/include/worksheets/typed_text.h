#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

// Text as a teacher or a pupil types or pastes it into a field of the pages, in UTF-8: the one
// reading of characters, blanks and digits that the sheet's code, the sheet's settings, the
// pupil's number and the pupil's answers share. Each of those keeps its own rule for what the
// text must then say.
namespace worksheets {

// One character of UTF-8 text.
struct Utf8Character {
    // Its bytes; 0 where the bytes at the start are no valid UTF-8: a stray continuation byte, an
    // overlong form, a surrogate, a code point past U+10FFFF, or a sequence cut short.
    std::size_t length = 0;
    std::uint32_t codePoint = 0;
};

// The character at the start of text, which is not empty.
Utf8Character firstUtf8Character(std::string_view text);

// The blanks passed over, as a phone's keyboard, a document or a chat gives them.
enum class BlankKind {
    kNone,
    kSpace,      // a space of some width: the space, and the no-break, narrow no-break, thin and
                 // figure spaces
    kTab,        // the tab
    kInvisible,  // no width at all: the zero-width space, the word joiner, the byte order mark
    kLineBreak,  // LF or CR, which a paste brings around a line
};

// Digits are the ASCII ones alone: "７" or "٧" is no digit anywhere.
inline bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Typed text read from the start, piece by piece.
class TypedText {
public:
    explicit TypedText(std::string_view text) : rest_(text) {}

    std::string_view rest() const { return rest_; }
    bool empty() const { return rest_.empty(); }

    // The kind of the blank the text starts with; kNone where it starts with none.
    BlankKind blankAtStart() const;

    // Drops the blanks at both ends, line breaks included.
    TypedText& trim();
    // Drops one blank at the start, of any kind but a line break, or of the kind given; whether
    // there was one.
    bool skipBlank();
    bool skipBlank(BlankKind kind);
    // Drops every blank at the start but line breaks.
    void skipBlanks();

    // Takes the ASCII digits at the start.
    std::string_view takeDigits();
    // Takes c, or text, or the first of tokens, where the text starts with it.
    bool take(char c);
    bool take(std::string_view text);
    bool takeAnyOf(std::span<const std::string_view> tokens);
    // Takes one character; a byte that is no UTF-8 is taken alone, with length 0.
    Utf8Character takeCharacter();

private:
    std::string_view rest_;
};

}  // namespace worksheets
