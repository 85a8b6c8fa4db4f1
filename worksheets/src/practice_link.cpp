#include "worksheets/practice_link.h"

#include "worksheets/link_parameters.h"
#include "worksheets/query_text.h"
#include "worksheets/typed_text.h"

namespace worksheets {

std::optional<int> readWholeNumber(std::string_view typed, int least, int most) {
    constexpr std::size_t kMostDigits = 9;
    TypedText text(typed);
    text.trim();
    const std::string_view digits = text.takeDigits();
    if (digits.empty() || digits.size() > kMostDigits || !text.empty()) {
        return std::nullopt;
    }
    int number = 0;
    for (const char digit : digits) {
        number = number * 10 + (digit - '0');
    }
    if (number < least || number > most) {
        return std::nullopt;
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
        const auto count =
            readWholeNumber(*problems, kProblemsPerPupil.least, kProblemsPerPupil.most);
        if (count) {
            link.problems = *count;
        } else {
            fault(PracticeFault::kBadCount);
        }
    }
    if (const auto variants = queryValue(query, kVariantsParameter)) {
        link.variants = readWholeNumber(*variants, kVariantCount.least, kVariantCount.most);
        if (!link.variants) {
            fault(PracticeFault::kBadCount);
        }
    }
    if (const auto hints = queryValue(query, kHintsParameter)) {
        link.hints = hintsShown(*hints);
    }
    if (const auto variant = queryValue(query, kVariantParameter)) {
        link.variant = readWholeNumber(*variant, 1, highestVariant(link));
        if (!link.variant) {
            fault(PracticeFault::kBadVariant);
        }
    } else if (link.variants == 1) {
        link.variant = 1;
    }
    return link;
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
    if (!link.hints) {
        query.add(kHintsParameter, "0");
    }
    return query.query();
}

std::string pupilsQuery(const SheetSettings& settings) {
    QueryWriter query;
    query.add(kCodeParameter, percentEncoded(settings.codeText));
    query.add(kProblemsParameter, std::to_string(settings.problems));
    query.add(kVariantsParameter, std::to_string(settings.variants));
    if (!settings.hints) {
        query.add(kHintsParameter, "0");
    }
    return query.query();
}

}  // namespace worksheets
