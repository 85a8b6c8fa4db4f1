#include "worksheets/sheet_settings.h"

#include <algorithm>
#include <cstdint>

#include "worksheets/typed_text.h"

namespace worksheets {

namespace {

bool isControl(std::uint32_t character) {
    return character < 0x20 || (character >= 0x7F && character <= 0x9F);
}

// The text as a field can show it: invalid bytes and control characters left out, and no more
// than kCodeFieldLength characters.
std::string keptAsTyped(std::string_view typed) {
    std::string kept;
    std::size_t characters = 0;
    TypedText text(typed);
    while (!text.empty() && characters < kCodeFieldLength) {
        const std::string_view before = text.rest();
        const auto [length, character] = text.takeCharacter();
        if (length > 0 && !isControl(character)) {
            kept.append(before.substr(0, length));
            ++characters;
        }
    }
    return kept;
}

}  // namespace

int nearestAllowed(std::string_view typed, CountRange range) {
    TypedText text(typed);
    text.trim();
    bool negative = false;
    if (text.take('-')) {
        negative = true;
    } else {
        text.take('+');
    }
    std::string_view whole = text.takeDigits();
    const std::string_view fraction = text.take('.') ? text.takeDigits() : std::string_view();
    if ((whole.empty() && fraction.empty()) || !text.empty()) {
        return range.atFirst;
    }
    while (!whole.empty() && whole.front() == '0') {
        whole.remove_prefix(1);
    }
    // Nine digits are far beyond any bound, and cannot overflow an int.
    long long magnitude = 1'000'000'000;
    if (whole.size() <= 9) {
        magnitude = 0;
        for (const char digit : whole) {
            magnitude = magnitude * 10 + (digit - '0');
        }
        if (!fraction.empty() && fraction.front() >= '5') {
            ++magnitude;
        }
    }
    const long long value = negative ? -magnitude : magnitude;
    return static_cast<int>(std::clamp<long long>(value, range.least, range.most));
}

bool hintsShown(std::string_view value) {
    TypedText text(value);
    text.trim();
    return text.take('1') && text.empty();
}

void setTypedCode(SheetSettings& settings, std::string_view typed) {
    // The text kept is the text read, so that the address written back opens what was shown.
    settings.codeText = keptAsTyped(typed);
    settings.code = SheetCode::read(settings.codeText);
    if (settings.code) {
        settings.codeText = settings.code->text();
    }
}

}  // namespace worksheets
