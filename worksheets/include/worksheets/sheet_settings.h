#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "worksheets/sheet_code.h"
#include "worksheets/sheet_limits.h"

// What a worksheet's page shows: its code as typed, and its counts. Whatever a link or a field
// holds, the page shows a sheet of allowed settings.
namespace worksheets {

// The allowed value nearest to a number as typed, rounded half away from zero ("5.7" gives 6,
// "-3" the least, "1000000" the most); the value at first for what is no number ("", "abc",
// "5e2"). Blanks around the number are ignored (typed_text.h).
int nearestAllowed(std::string_view text, CountRange range);

// Whether a link's "hints" value leaves the practice's hints on: only where it reads as 1. A
// teacher who wrote the parameter meant to switch them off, so anything else does.
bool hintsShown(std::string_view value);

struct SheetSettings {
    // The code as the field and the address show it: "" where none was given, the capitals of a
    // readable one, or what was typed where it cannot be read (cut to kCodeFieldLength
    // characters, valid UTF-8 without control characters).
    std::string codeText;
    // The code, where codeText reads as one.
    std::optional<SheetCode> code;
    int problems = kProblemsPerPupil.atFirst;
    int variants = kVariantCount.atFirst;
    bool key = kKeyShown.atFirst != 0;
    // The key with a worked solution to every problem, where there is a key.
    bool solutions = kSolutionsShown.atFirst != 0;
    // The pupils' practice with hints.
    bool hints = kHintsAtFirst;

    friend bool operator==(const SheetSettings&, const SheetSettings&) = default;
};

// The code as typed into the field or found in the address, kept as codeText says.
void setTypedCode(SheetSettings& settings, std::string_view typed);

}  // namespace worksheets
