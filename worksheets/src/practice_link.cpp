#include "web_core/practice_link.h"

#include <algorithm>

#include "web_core/query_text.h"

namespace web_core {

namespace {

std::optional<int> countWithin(std::string_view text, int least, int most) {
    const std::optional<int> number = readWholeNumber(text);
    if (!number || *number < least || *number > most) {
        return std::nullopt;
    }
    return number;
}

}  // namespace

std::optional<int> readWholeNumber(std::string_view text) {
    text = withoutBlanksAround(text);
    constexpr std::size_t kMostDigits = 9;
    if (text.empty() || text.size() > kMostDigits ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    int number = 0;
    for (const char digit : text) {
        number = number * 10 + (digit - '0');
    }
    return number;
}

int highestVariant(const PracticeLink& link) { return link.variants.value_or(kVariantCount.most); }

PracticeLink readPracticeQuery(std::string_view query) {
    PracticeLink link;
    const auto fault = [&link](PracticeFault found) {
        if (link.fault == PracticeFault::kNone) {
            link.fault = found;
        }
    };
    if (const auto code = queryValue(query, kCodeParameter)) {
        SheetSettings typed;
        setTypedCode(typed, *code);
        link.codeText = typed.codeText;
        link.code = typed.code;
    }
    if (!link.code) {
        fault(link.codeText.empty() ? PracticeFault::kNoCode : PracticeFault::kBadCode);
    }
    if (const auto problems = queryValue(query, kProblemsParameter)) {
        const auto count = countWithin(*problems, kProblemsPerPupil.least, kProblemsPerPupil.most);
        if (count) {
            link.problems = *count;
        } else {
            fault(PracticeFault::kBadCount);
        }
    }
    if (const auto variants = queryValue(query, kVariantsParameter)) {
        link.variants = countWithin(*variants, kVariantCount.least, kVariantCount.most);
        if (!link.variants) {
            fault(PracticeFault::kBadCount);
        }
    }
    if (const auto variant = queryValue(query, kVariantParameter)) {
        link.variant = countWithin(*variant, 1, highestVariant(link));
        if (!link.variant) {
            fault(PracticeFault::kBadVariant);
        }
    } else if (link.variants == 1) {
        link.variant = 1;
    }
    return link;
}

PracticeFault enterSheet(PracticeLink& link, std::string_view code, std::string_view problems) {
    SheetSettings typed;
    setTypedCode(typed, code);
    if (!typed.code) {
        return PracticeFault::kBadCode;
    }
    const auto count = countWithin(problems, kProblemsPerPupil.least, kProblemsPerPupil.most);
    if (!count) {
        return PracticeFault::kBadCount;
    }
    link.codeText = typed.codeText;
    link.code = typed.code;
    link.problems = *count;
    return PracticeFault::kNone;
}

PracticeFault chooseVariant(PracticeLink& link, std::string_view typed) {
    const auto variant = countWithin(typed, 1, highestVariant(link));
    if (!variant) {
        return PracticeFault::kBadVariant;
    }
    link.variant = variant;
    return PracticeFault::kNone;
}

std::string refusal(const PracticeLink& link, PracticeFault fault) {
    std::string text;
    switch (fault) {
        case PracticeFault::kNone:
        case PracticeFault::kNoCode:
            break;
        case PracticeFault::kBadCode:
            text = worksheets::kNoSuchSheetCode;
            break;
        case PracticeFault::kBadCount:
            text = kBadLink;
            break;
        case PracticeFault::kBadVariant:
            text = kNoSuchVariant;
            if (link.variants) {
                text += " Вариантите в този лист са от 1 до ";
                text += std::to_string(*link.variants);
                text += '.';
            }
            break;
    }
    return text;
}

bool asksForSheet(const PracticeLink& fromAddress) {
    return !fromAddress.code || fromAddress.fault == PracticeFault::kBadCount;
}

PracticeStart practiceStart(const PracticeLink& fromAddress, const PracticeLink& link,
                            PracticeFault fault) {
    PracticeStart start;
    start.sheetAsked = asksForSheet(fromAddress);
    const bool countGiven = fromAddress.fault != PracticeFault::kNoCode &&
                            fromAddress.fault != PracticeFault::kBadCount;
    start.count = countGiven ? std::to_string(fromAddress.problems) : std::string();
    start.refusal = refusal(link, fault);
    if (fault == PracticeFault::kBadCode) {
        start.invalid = StartField::kCode;
    } else if (fault == PracticeFault::kBadCount) {
        start.invalid = StartField::kProblems;
    } else if (fault == PracticeFault::kBadVariant) {
        start.invalid = StartField::kNumber;
    }
    if (start.sheetAsked && fault == PracticeFault::kBadCount) {
        start.first = StartField::kProblems;
    } else if (start.sheetAsked && fault != PracticeFault::kBadVariant) {
        start.first = StartField::kCode;
    }
    return start;
}

std::string practiceQuery(const PracticeLink& link) {
    QueryWriter query;
    query.add(kCodeParameter, percentEncoded(link.codeText));
    query.add(kProblemsParameter, std::to_string(link.problems));
    if (link.variants) {
        query.add(kVariantsParameter, std::to_string(*link.variants));
    }
    if (link.variant) {
        query.add(kVariantParameter, std::to_string(*link.variant));
    }
    return query.query();
}

std::string pupilsQuery(const SheetSettings& settings) {
    QueryWriter query;
    query.add(kCodeParameter, percentEncoded(settings.codeText));
    query.add(kProblemsParameter, std::to_string(settings.problems));
    query.add(kVariantsParameter, std::to_string(settings.variants));
    return query.query();
}

std::string pupilsOffFileNote(const SheetSettings& settings) {
    std::string note =
        "Този лист е отворен от файл и връзка към него няма да се отвори на устройствата на "
        "учениците: те трябва да отворят страницата от уеб сървър (вижте „Serving it at a "
        "school“ в README). Вместо връзка им дайте кода на листа и броя на задачите: код ";
    note += settings.codeText;
    note += ", ";
    note += std::to_string(settings.problems);
    note += settings.problems == 1 ? " задача." : " задачи.";
    return note;
}

}  // namespace web_core
