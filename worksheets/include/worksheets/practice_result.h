#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "worksheets/practice_link.h"
#include "worksheets/practice_round.h"

// The result line that the practice page gives a pupil to hand in (result_line.h).
namespace worksheets {

// The pupil's number as the result asks for it at first: the variant, which the start asks for
// as the pupil's number in the class, or "" on a sheet of one variant, where nothing was asked.
// Where the teacher gave fewer variants than pupils and told some to type another's number, the
// pupil puts their own here (the teachers' guide says so).
std::string numberAtFirst(const PracticeLink& link);

// The line for the round as last checked, the number and the name as typed; none before the
// round is checked, or where the number is no pupil's number.
std::optional<std::string> practiceResultLine(const PracticeLink& link, const PracticeRound& round,
                                              std::string_view number, std::string_view name);

}  // namespace worksheets
