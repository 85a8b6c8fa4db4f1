#pragma once

#include <cstdint>

// What a teacher may ask of a sheet's problems: only whole answers, and which quantity is sought.
// A sheet's code carries them (sheet_code.h).
namespace worksheets {

// The quantity sought: any, or the one of each scenario's three that counts the workers or
// machines (the first), the time (the second) or the amount of work (the third).
enum class Sought : std::uint8_t { kAny = 0, kCount = 1, kTime = 2, kAmount = 3 };

struct ProblemChoices {
    bool wholeAnswers = false;
    Sought sought = Sought::kAny;

    // A sheet without choices, as every sheet was before they came.
    bool none() const { return !wholeAnswers && sought == Sought::kAny; }

    friend bool operator==(const ProblemChoices&, const ProblemChoices&) = default;
};

// What a new sheet asks at first: whole answers, any quantity.
inline constexpr ProblemChoices kNewSheetChoices{true, Sought::kAny};

}  // namespace worksheets
