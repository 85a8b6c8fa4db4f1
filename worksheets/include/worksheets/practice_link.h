#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "worksheets/sheet_code.h"
#include "worksheets/sheet_limits.h"
#include "worksheets/sheet_settings.h"

// The pupils' link to a worksheet, practice.html?code=3CFPS6&n=5&variants=26&variant=7: each pupil
// answers their own variant of the sheet the teacher printed. Unlike the teacher's page, which
// shows the nearest sheet it can, the pupils' page never guesses: a link that cannot be read as it
// stands is refused and said to be so, as anything else would give a pupil somebody else's
// problems.
namespace worksheets {

// What is wrong with a link or with what a pupil typed at the start, the first thing found.
enum class PracticeFault { kNone, kNoCode, kBadCode, kBadCount, kBadVariant };

struct PracticeLink {
    // The code as given, kept as the teacher's page keeps a typed one (setTypedCode).
    std::string codeText;
    std::optional<SheetCode> code;
    int problems = kProblemsPerPupil.atFirst;
    // The sheet's number of variants, where the link says.
    std::optional<int> variants;
    // The pupil's variant, once it is known and in the sheet.
    std::optional<int> variant;
    // Each problem's hint, unless the teacher switched them off (hints=0).
    bool hints = kHintsAtFirst;
    PracticeFault fault = PracticeFault::kNone;

    friend bool operator==(const PracticeLink&, const PracticeLink&) = default;
};

// A whole number as a pupil types it, or a link gives it, within least and most: digits alone,
// blanks around (typed_text.h); none for anything else, out of the range or of more than nine
// digits.
std::optional<int> readWholeNumber(std::string_view text, int least, int most);

// The highest variant a pupil may ask for: the link's number of variants, or where it has none,
// the most a sheet has.
int highestVariant(const PracticeLink& link);

// The link read from an address's query. "n" and "variants" may be absent ("n" is then the
// teacher's page's number at first), but where present must be whole numbers in their ranges;
// "variant" must be one of the sheet's variants. "hints" other than 1 switches hints off. Without
// "variant", a sheet of one variant opens that one.
PracticeLink readPracticeQuery(std::string_view query);

// The query of a link that is whole, its variant included where known, and "hints=0" where they
// are off.
std::string practiceQuery(const PracticeLink& link);

// The query of the link a teacher gives the class: the sheet's code, problems and variants.
std::string pupilsQuery(const SheetSettings& settings);

}  // namespace worksheets
