#include "worksheets/sheet_link.h"

#include "worksheets/link_parameters.h"
#include "worksheets/query_text.h"

namespace worksheets {

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
    if (const auto solutions = queryValue(query, kSolutionsParameter)) {
        settings.solutions = nearestAllowed(*solutions, kSolutionsShown) != 0;
    }
    if (const auto hints = queryValue(query, kHintsParameter)) {
        settings.hints = hintsShown(*hints);
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
    // The two later parameters only where they differ from a link without them.
    if (settings.solutions) {
        query.add(kSolutionsParameter, "1");
    }
    if (!settings.hints) {
        query.add(kHintsParameter, "0");
    }
    return query.query();
}

}  // namespace worksheets
