#include "worksheets/practice_start.h"

#include "worksheets/page_words.h"

namespace worksheets {

PracticeFault enterSheet(PracticeLink& link, std::string_view code, std::string_view problems) {
    SheetSettings typed;
    setTypedCode(typed, code);
    if (!typed.code) {
        return PracticeFault::kBadCode;
    }
    const auto count = readWholeNumber(problems, kProblemsPerPupil.least, kProblemsPerPupil.most);
    if (!count) {
        return PracticeFault::kBadCount;
    }
    link.codeText = typed.codeText;
    link.code = typed.code;
    link.problems = *count;
    return PracticeFault::kNone;
}

PracticeFault chooseVariant(PracticeLink& link, std::string_view typed) {
    const auto variant = readWholeNumber(typed, 1, highestVariant(link));
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
            text = words::kNoSuchSheetCode;
            break;
        case PracticeFault::kBadCount:
            text = words::kBadLink;
            break;
        case PracticeFault::kBadVariant:
            text = words::kNoSuchVariant;
            if (link.variants) {
                text += ' ';
                text += words::variantsRange(*link.variants);
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

}  // namespace worksheets
