#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "worksheets/practice_link.h"
#include "worksheets/practice_round.h"

// The result line that the practice page gives a pupil to hand in (result_line.h).
namespace worksheets {

// The pupil's number as the result asks for it at first: the number typed at the start, which
// chose the variant, or "" on a sheet of one variant, where nothing was asked.
std::string numberAtFirst(const PracticeLink& link);

// The line for the round as last checked, the number and the name as typed; none before the
// round is checked, or where the number is no pupil's number.
std::optional<std::string> practiceResultLine(const PracticeLink& link, const PracticeRound& round,
                                              std::string_view number, std::string_view name);

}  // namespace worksheets
