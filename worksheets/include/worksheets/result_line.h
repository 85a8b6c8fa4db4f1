#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "worksheets/sheet_code.h"

// The line a pupil hands in after practising, and its reading on the teacher's page. It carries
// the answers as the page read them, not a mark, so that the teacher's page marks them itself:
//
//   Резултат 1 | 3CFPS6 | вариант 7 | № 12 | Иван Петров | 5; 2,5 п; ; ?; 12 |
//
// "Резултат" and the form's number (1, the only form so far), then between "|": the sheet's
// code, the variant, the pupil's number in the class, the name (empty where none was given), and
// the answers in order, separated by ";": the number as read (blanks and "X =" dropped, the
// decimal point written as a comma), nothing where there was none, "?" where the text was no
// number, each followed by " п" where the problem's hint was opened. The line ends with "|".
//
// Lines travel through chats, e-mail and exports of both, so the reading allows what those do:
// any text before and after and between lines (a name or a time stamp), line breaks where a
// line was wrapped, blanks added or lost anywhere but inside the marker "Резултат", and the
// code with Cyrillic look-alikes and separators (SheetCode::read). A name's blanks, line breaks
// included, are read as one space; a name may hold the marker itself. This form is read in
// every later version.
namespace worksheets {

inline constexpr int kResultForm = 1;
// The pupils' numbers in a class.
inline constexpr int kHighestPupilNumber = 99;
// A name longer than this, in characters, is cut there.
inline constexpr std::size_t kLongestName = 60;

// One answer as a line carries it.
struct GivenAnswer {
    // The number as read; "" where there was none, or no number.
    std::string number;
    bool notANumber = false;
    bool hintOpened = false;

    friend bool operator==(const GivenAnswer&, const GivenAnswer&) = default;
};

// The answer typed into a problem's field, as the line carries it.
GivenAnswer givenAnswer(std::string_view typed, bool hintOpened);

struct PupilResult {
    SheetCode code;
    int variant = 1;
    int number = 1;
    std::string name;
    std::vector<GivenAnswer> answers;

    friend bool operator==(const PupilResult&, const PupilResult&) = default;
};

// A name as the line holds it: blanks and line breaks as single spaces, none at the ends, "|"
// (the line's separator) as "/", other control characters dropped, cut at kLongestName.
std::string nameForLine(std::string_view typed);

// The line of a result whose name is nameForLine's.
std::string resultLine(const PupilResult& result);

// A line found in pasted text.
struct FoundLine {
    // The line as found, its blanks and line breaks as single spaces: for saying which one a
    // refusal is about.
    std::string text;
    // None where the line cannot be read: cut short, of a later form, or its code, variant,
    // number or answers no such thing.
    std::optional<PupilResult> result;
};

// Every line that starts as a result line ("Резултат", a form's number, "|"), in order; text
// between them is passed over. Linear in the length of pasted.
std::vector<FoundLine> findResultLines(std::string_view pasted);

}  // namespace worksheets
