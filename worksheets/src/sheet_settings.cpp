#include "web_core/sheet_settings.h"

#include <algorithm>
#include <cstdint>

#include "web_core/query_text.h"
#include "worksheets/utf8.h"

namespace web_core {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool isControl(std::uint32_t character) {
    return character < 0x20 || (character >= 0x7F && character <= 0x9F);
}

// The text as a field can show it: invalid bytes and control characters left out, and no more
// than kMostTypedCodeCharacters characters.
std::string keptAsTyped(std::string_view typed) {
    std::string kept;
    std::size_t characters = 0;
    while (!typed.empty() && characters < kMostTypedCodeCharacters) {
        const auto [length, character] = worksheets::firstUtf8Character(typed);
        if (length == 0) {
            typed.remove_prefix(1);
            continue;
        }
        if (!isControl(character)) {
            kept.append(typed.substr(0, length));
            ++characters;
        }
        typed.remove_prefix(length);
    }
    return kept;
}

}  // namespace

std::string_view withoutBlanksAround(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

int nearestAllowed(std::string_view text, CountRange range) {
    text = withoutBlanksAround(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    const std::size_t point = text.find('.');
    std::string_view whole = text.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    const auto allDigits = [](std::string_view part) {
        return std::all_of(part.begin(), part.end(), isDigit);
    };
    if ((whole.empty() && fraction.empty()) || !allDigits(whole) || !allDigits(fraction)) {
        return range.absent;
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

void setTypedCode(SheetSettings& settings, std::string_view typed) {
    // The text kept is the text read, so that the address written back opens what was shown.
    settings.codeText = keptAsTyped(typed);
    settings.code = worksheets::SheetCode::read(settings.codeText);
    if (settings.code) {
        settings.codeText = settings.code->text();
    }
}

SheetSettings readSheetQuery(std::string_view query) {
    SheetSettings settings;
    if (const auto code = queryValue(query, kCodeParameter)) {
        setTypedCode(settings, *code);
    }
    if (const auto problems = queryValue(query, kProblemsParameter)) {
        settings.problems = nearestAllowed(*problems, kProblemsPerPupil);
    }
    if (const auto variants = queryValue(query, kVariantsParameter)) {
        settings.variants = nearestAllowed(*variants, kVariantCount);
    }
    if (const auto key = queryValue(query, kKeyParameter)) {
        settings.key = nearestAllowed(*key, kKeyShown) != 0;
    }
    return settings;
}

std::string sheetQuery(const SheetSettings& settings) {
    QueryWriter query;
    if (!settings.codeText.empty()) {
        query.add(kCodeParameter, percentEncoded(settings.codeText));
    }
    query.add(kProblemsParameter, std::to_string(settings.problems));
    query.add(kVariantsParameter, std::to_string(settings.variants));
    query.add(kKeyParameter, settings.key ? "1" : "0");
    return query.query();
}

}  // namespace web_core
