#include "worksheets/sheet_code.h"

#include <array>
#include <utility>

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

// What may stand between a code's characters, as typed or pasted: blank, tab and hyphen, and in
// UTF-8 the no-break, thin and narrow no-break spaces, the hyphens and dashes (U+2010 to U+2013),
// the minus sign, the zero-width space and the byte order mark.
constexpr std::array<std::string_view, 13> kSeparators = {{
    " ",
    "\t",
    "-",
    "\u00A0",
    "\u2009",
    "\u202F",
    "\u2010",
    "\u2011",
    "\u2012",
    "\u2013",
    "\u2212",
    "\u200B",
    "\uFEFF",
}};

// The bytes of the separator that typed starts with; 0 where it starts with none.
std::size_t separatorLength(std::string_view typed) {
    for (const std::string_view separator : kSeparators) {
        if (typed.starts_with(separator)) {
            return separator.size();
        }
    }
    return 0;
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
    while (!typed.empty()) {
        if (const std::size_t separator = separatorLength(typed); separator > 0) {
            typed.remove_prefix(separator);
            continue;
        }
        std::optional<std::uint32_t> value = valueOf(typed.front());
        std::size_t used = 1;
        for (const LookAlike& lookAlike : kLookAlikes) {
            if (typed.starts_with(lookAlike.cyrillic)) {
                value = valueOf(lookAlike.latin);
                used = lookAlike.cyrillic.size();
                break;
            }
        }
        if (!value || count == kLength) {
            return std::nullopt;
        }
        values[count++] = *value;
        typed.remove_prefix(used);
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
    while (!typed.empty()) {
        if (const std::size_t separator = separatorLength(typed); separator > 0) {
            typed.remove_prefix(separator);
            continue;
        }
        ++length;
        // A character's continuation bytes, 10xxxxxx in UTF-8, go with it.
        do {
            typed.remove_prefix(1);
        } while (!typed.empty() && (static_cast<unsigned char>(typed.front()) & 0xC0) == 0x80);
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
