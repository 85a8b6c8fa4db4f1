#include "worksheets/sheet_code.h"

#include <array>
#include <utility>

#include "worksheets/typed_text.h"

namespace worksheets {

namespace {

constexpr std::uint32_t kBase = SheetCode::kAlphabet.size();
constexpr std::size_t kPayloadLength = SheetCode::kLength - 1;

// The Cyrillic letters that look like Latin letters of the alphabet, as a Bulgarian keyboard
// types them, in UTF-8, capital and small.
struct LookAlike {
    std::string_view cyrillic;
    char latin;
};
constexpr std::array<LookAlike, 20> kLookAlikes = {{
    {"А", 'A'}, {"В", 'B'}, {"Е", 'E'}, {"К", 'K'}, {"М", 'M'}, {"Н", 'H'}, {"Р", 'P'},
    {"С", 'C'}, {"Т", 'T'}, {"Х", 'X'}, {"а", 'A'}, {"в", 'B'}, {"е", 'E'}, {"к", 'K'},
    {"м", 'M'}, {"н", 'H'}, {"р", 'P'}, {"с", 'C'}, {"т", 'T'}, {"х", 'X'},
}};

// What may stand between a code's characters besides blanks (typed_text.h) and line breaks: the
// hyphen, the hyphens and dashes U+2010 to U+2013, and the minus sign.
constexpr std::array<std::string_view, 6> kDashes = {
    {"-", "\u2010", "\u2011", "\u2012", "\u2013", "\u2212"}};

// Drops a separator at the start of the text: a blank of any kind, or a dash.
bool skipSeparator(TypedText& text) {
    return text.skipBlank() || text.skipBlank(BlankKind::kLineBreak) || text.takeAnyOf(kDashes);
}

std::optional<std::uint32_t> valueOf(char c) {
    if (c >= 'a' && c <= 'z') {
        c = static_cast<char>(c - 'a' + 'A');
    }
    const std::size_t place = SheetCode::kAlphabet.find(c);
    if (place == std::string_view::npos) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(place);
}

// The weighted sum of the first characters' values, weights counted from 1.
std::uint32_t weightedSum(const std::array<std::uint32_t, SheetCode::kLength>& values,
                          std::size_t count) {
    std::uint32_t sum = 0;
    for (std::size_t i = 0; i < count; ++i) {
        sum += static_cast<std::uint32_t>(i + 1) * values[i];
    }
    return sum % kBase;
}

// The check value v with 6 v + sum = 0 (mod 31): 26 is the inverse of 6 modulo 31.
std::uint32_t checkValue(std::uint32_t payloadSum) {
    constexpr std::uint32_t kInverseOfLastWeight = 26;
    static_assert(kInverseOfLastWeight * SheetCode::kLength % kBase == 1);
    return (kBase - payloadSum) % kBase * kInverseOfLastWeight % kBase;
}

}  // namespace

std::optional<SheetCode> SheetCode::read(std::string_view typed) {
    std::array<std::uint32_t, kLength> values{};
    std::size_t count = 0;
    TypedText rest(typed);
    while (!rest.empty()) {
        if (skipSeparator(rest)) {
            continue;
        }
        std::optional<std::uint32_t> value;
        for (const LookAlike& lookAlike : kLookAlikes) {
            if (rest.take(lookAlike.cyrillic)) {
                value = valueOf(lookAlike.latin);
                break;
            }
        }
        if (!value) {
            const Utf8Character character = rest.takeCharacter();
            if (character.length == 1) {
                value = valueOf(static_cast<char>(character.codePoint));
            }
        }
        if (!value || count == kLength) {
            return std::nullopt;
        }
        values[count++] = *value;
    }
    if (count != kLength || weightedSum(values, kLength) != 0) {
        return std::nullopt;
    }
    std::uint32_t number = 0;
    std::string text;
    for (std::size_t i = 0; i < kLength; ++i) {
        if (i < kPayloadLength) {
            number = number * kBase + values[i];
        }
        text += kAlphabet[values[i]];
    }
    return SheetCode(std::move(text), number);
}

std::size_t SheetCode::typedLength(std::string_view typed) {
    std::size_t length = 0;
    TypedText text(typed);
    while (!text.empty()) {
        if (!skipSeparator(text)) {
            text.takeCharacter();
            ++length;
        }
    }
    return length;
}

SheetCode SheetCode::fromNumber(std::uint32_t number) {
    number %= kCount;
    std::array<std::uint32_t, kLength> values{};
    std::uint32_t rest = number;
    for (std::size_t i = kPayloadLength; i-- > 0;) {
        values[i] = rest % kBase;
        rest /= kBase;
    }
    values[kPayloadLength] = checkValue(weightedSum(values, kPayloadLength));
    std::string text;
    for (const std::uint32_t value : values) {
        text += kAlphabet[value];
    }
    return SheetCode(std::move(text), number);
}

}  // namespace worksheets
