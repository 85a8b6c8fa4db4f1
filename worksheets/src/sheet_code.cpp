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

using Values = std::array<std::uint32_t, SheetCode::kLengthWithChoices>;

// The sum of the first count values, each times its weight: its position (from 1) where
// weighted, else 1.
std::uint32_t sum(const Values& values, std::size_t count, bool weighted) {
    std::uint32_t total = 0;
    for (std::size_t i = 0; i < count; ++i) {
        total += (weighted ? static_cast<std::uint32_t>(i + 1) : 1) * values[i];
    }
    return total % kBase;
}

constexpr std::uint32_t kWholeAnswersBit = 1;
constexpr std::uint32_t kSoughtShift = 1;
constexpr std::uint32_t kLargestChoicesValue = 7;

std::uint32_t choicesValue(ProblemChoices choices) {
    return (choices.wholeAnswers ? kWholeAnswersBit : 0) |
           static_cast<std::uint32_t>(choices.sought) << kSoughtShift;
}

ProblemChoices choicesOf(std::uint32_t value) {
    return {(value & kWholeAnswersBit) != 0, static_cast<Sought>(value >> kSoughtShift)};
}

// Completes the values after the payload (the number's five, and the choices' one where there
// are choices) with the check characters.
void addCheck(Values& values, bool withChoices) {
    if (!withChoices) {
        // 6 v + sum = 0 (mod 31): 26 is the inverse of 6 modulo 31.
        constexpr std::uint32_t kInverseOfLastWeight = 26;
        static_assert(kInverseOfLastWeight * SheetCode::kLength % kBase == 1);
        values[kPayloadLength] =
            (kBase - sum(values, kPayloadLength, true)) % kBase * kInverseOfLastWeight % kBase;
        return;
    }
    // v7 + v8 = -s and 7 v7 + 8 v8 = -w (mod 31), for s and w the payload's plain and weighted
    // sums: v8 = 7 s - w, v7 = -s - v8.
    constexpr std::size_t kPayload = kPayloadLength + 1;
    const std::uint32_t plain = sum(values, kPayload, false);
    const std::uint32_t weighted = sum(values, kPayload, true);
    const std::uint32_t last = (7 * plain + kBase - weighted) % kBase;
    values[kPayload + 1] = last;
    values[kPayload] = (2 * kBase - plain - last) % kBase;
}

}  // namespace

std::optional<SheetCode> SheetCode::read(std::string_view typed) {
    Values values{};
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
        if (!value || count == kLengthWithChoices) {
            return std::nullopt;
        }
        values[count++] = *value;
    }
    const bool checked = count == kLength ? sum(values, kLength, true) == 0
                         : count == kLengthWithChoices
                             ? sum(values, count, true) == 0 && sum(values, count, false) == 0 &&
                                   values[kPayloadLength] <= kLargestChoicesValue
                             : false;
    if (!checked) {
        return std::nullopt;
    }
    std::uint32_t number = 0;
    for (std::size_t i = 0; i < kPayloadLength; ++i) {
        number = number * kBase + values[i];
    }
    // An eight-character code that asks for nothing is the six-character one.
    return fromNumber(number,
                      count == kLength ? ProblemChoices{} : choicesOf(values[kPayloadLength]));
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

SheetCode SheetCode::fromNumber(std::uint32_t number, ProblemChoices choices) {
    number %= kCount;
    Values values{};
    std::uint32_t rest = number;
    for (std::size_t i = kPayloadLength; i-- > 0;) {
        values[i] = rest % kBase;
        rest /= kBase;
    }
    const bool withChoices = !choices.none();
    if (withChoices) {
        values[kPayloadLength] = choicesValue(choices);
    }
    addCheck(values, withChoices);
    std::string text;
    for (std::size_t i = 0; i < (withChoices ? kLengthWithChoices : kLength); ++i) {
        text += kAlphabet[values[i]];
    }
    return SheetCode(std::move(text), number, choices);
}

}  // namespace worksheets
