#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "web_core/sheet_settings.h"
#include "worksheets/sheet_code.h"

// The pupils' link to a worksheet, practice.html?code=3CFPS6&n=5&variants=26&variant=7: each pupil
// answers their own variant of the sheet the teacher printed. Unlike the teacher's page, which
// shows the nearest sheet it can, the pupils' page never guesses: a link that cannot be read as it
// stands is refused and said to be so, as anything else would give a pupil somebody else's
// problems.
namespace web_core {

inline constexpr std::string_view kVariantParameter = "variant";

inline constexpr std::string_view kNoSuchVariant = "Няма такъв вариант в този лист.";
inline constexpr std::string_view kBadLink =
    "Връзката към листа е сгрешена: поискай я отново от учителя.";

// What is wrong with a link or with what a pupil typed at the start, the first thing found.
enum class PracticeFault { kNone, kNoCode, kBadCode, kBadCount, kBadVariant };

struct PracticeLink {
    // The code as given, kept as the teacher's page keeps a typed one (setTypedCode).
    std::string codeText;
    std::optional<worksheets::SheetCode> code;
    int problems = kProblemsPerPupil.absent;
    // The sheet's number of variants, where the link says.
    std::optional<int> variants;
    // The pupil's variant, once it is known and in the sheet.
    std::optional<int> variant;
    PracticeFault fault = PracticeFault::kNone;

    friend bool operator==(const PracticeLink&, const PracticeLink&) = default;
};

// A whole number as a pupil types it: digits, blanks around; none for anything else or for more
// than nine digits.
std::optional<int> readWholeNumber(std::string_view text);

// The highest variant a pupil may ask for: the link's number of variants, or where it has none,
// the most a sheet has.
int highestVariant(const PracticeLink& link);

// The link read from an address's query. "n" and "variants" may be absent ("n" is then 5, as on
// the teacher's page), but where present must be whole numbers in their ranges; "variant" must be
// one of the sheet's variants. Without "variant", a sheet of one variant opens that one.
PracticeLink readPracticeQuery(std::string_view query);

// The sheet as a pupil types it at the start, where the link had none: its code and its number
// of problems per pupil. Sets the link's code and problems where both are right, or else
// returns the fault (kBadCode before kBadCount).
PracticeFault enterSheet(PracticeLink& link, std::string_view code, std::string_view problems);

// The pupil's number as typed at the start: sets the link's variant where the sheet has it, or
// else returns kBadVariant.
PracticeFault chooseVariant(PracticeLink& link, std::string_view typed);

// What the start says of a fault: "" for none and for a link without a code (nothing is wrong,
// the code is asked for), else what is wrong, with the sheet's variants where the link says how
// many there are: "Няма такъв вариант в този лист. Вариантите в този лист са от 1 до 26."
std::string refusal(const PracticeLink& link, PracticeFault fault);

// The start's fields.
enum class StartField { kCode, kProblems, kNumber };

// What the start shows, for the link read from the address and what is wrong now.
struct PracticeStart {
    // The code's and the count's fields shown: where the address brought no sheet, or a broken
    // count, the pupil types the teacher's, until the page is opened at another address.
    bool sheetAsked = false;
    // What the count's field holds at first: the link's count, or nothing where it gave none.
    std::string count;
    std::string refusal;
    // The field marked as wrong, if any, and the one the pupil goes to first.
    std::optional<StartField> invalid;
    StartField first = StartField::kNumber;

    friend bool operator==(const PracticeStart&, const PracticeStart&) = default;
};

// Whether the start asks for the sheet, for the link read from the address.
bool asksForSheet(const PracticeLink& fromAddress);

// The start for the link read from the address, the link as the pupil has completed it so far,
// and what is wrong now.
PracticeStart practiceStart(const PracticeLink& fromAddress, const PracticeLink& link,
                            PracticeFault fault);

// The query of a link that is whole, its variant included where known.
std::string practiceQuery(const PracticeLink& link);

// The query of the link a teacher gives the class: the sheet's code, problems and variants.
std::string pupilsQuery(const SheetSettings& settings);

// What the teacher's page says where it was opened from a file, whose address is no use to
// pupils on their own devices: what to give them instead.
std::string pupilsOffFileNote(const SheetSettings& settings);

}  // namespace web_core
