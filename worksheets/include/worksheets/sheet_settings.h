#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "worksheets/sheet_code.h"

// What a worksheet's page shows, as its address carries it: ?code=3CFPS6&n=5&variants=26&key=1.
// People share these links, so the parameters' names and meanings stay as they are. Whatever an
// address holds, the page shows a sheet of allowed settings, and its address is then written back
// to say which.
namespace web_core {

// The parameters' names.
inline constexpr std::string_view kCodeParameter = "code";
inline constexpr std::string_view kProblemsParameter = "n";
inline constexpr std::string_view kVariantsParameter = "variants";
inline constexpr std::string_view kKeyParameter = "key";

// The whole numbers a setting takes, and the one it takes when none is given.
struct CountRange {
    int least;
    int most;
    int absent;
};

inline constexpr CountRange kProblemsPerPupil{1, 20, 5};
inline constexpr CountRange kVariantCount{1, 40, 1};
// The key after the sheets: 1 on, 0 off.
inline constexpr CountRange kKeyShown{0, 1, 1};

// The text without the blanks, tabs and line breaks around it, as a number field's is read.
std::string_view withoutBlanksAround(std::string_view text);

// The allowed value nearest to a number as typed, rounded half away from zero ("5.7" gives 6,
// "-3" the least, "1000000" the most); the absent value for what is no number ("", "abc", "5e2").
// Blanks around the number are ignored.
int nearestAllowed(std::string_view text, CountRange range);

// The longest code text kept as typed: more is no code anyway, and would only bloat the address.
inline constexpr std::size_t kMostTypedCodeCharacters = 32;

struct SheetSettings {
    // The code as the field and the address show it: "" where none was given, the six capitals
    // of a readable one, or what was typed where it cannot be read (cut to
    // kMostTypedCodeCharacters, valid UTF-8 without control characters).
    std::string codeText;
    // The code, where codeText reads as one.
    std::optional<worksheets::SheetCode> code;
    int problems = kProblemsPerPupil.absent;
    int variants = kVariantCount.absent;
    bool key = kKeyShown.absent != 0;

    friend bool operator==(const SheetSettings&, const SheetSettings&) = default;
};

// The code as typed into the field or found in the address, kept as codeText says.
void setTypedCode(SheetSettings& settings, std::string_view typed);

// The settings of an address's query ("?code=..." or "code=..."): parameters percent-decoded,
// "+" as a blank, the first of a repeated one taken (as URLSearchParams.get does), unknown ones
// ignored, each value its nearest allowed one.
SheetSettings readSheetQuery(std::string_view query);

// The query that shows the settings, "?code=3CFPS6&n=5&variants=26&key=1": the parameters in that
// order, the code percent-encoded, and left out where there is none.
std::string sheetQuery(const SheetSettings& settings);

}  // namespace web_core
