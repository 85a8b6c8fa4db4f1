#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "worksheets/practice_link.h"

// What the practice page's start asks for and says, before a pupil's variant opens: the sheet
// where the link had none, then the pupil's number.
namespace worksheets {

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

}  // namespace worksheets
