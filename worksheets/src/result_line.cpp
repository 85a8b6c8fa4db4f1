#include "worksheets/result_line.h"

#include <array>

#include "worksheets/answer_check.h"
#include "worksheets/practice_link.h"
#include "worksheets/sheet_limits.h"
#include "worksheets/typed_text.h"

namespace worksheets {

namespace {

constexpr std::string_view kMarker = "Резултат";
constexpr char kSeparator = '|';
constexpr char kAnswerSeparator = ';';
constexpr std::string_view kVariantWord = "вариант";
constexpr std::string_view kNumberSign = "№";
constexpr std::string_view kNoNumber = "?";
constexpr std::string_view kHintMark = "п";
// What a keyboard without "№" or "п" gives for them, or a look-alike.
constexpr std::array<std::string_view, 3> kNumberSigns = {"№", "No", "N"};
constexpr std::array<std::string_view, 3> kHintMarks = {"п", "П", "n"};
constexpr std::array<std::string_view, 2> kVariantWords = {"вариант", "Вариант"};
constexpr std::array<std::string_view, 4> kUnknownNames = {"X", "x", "Х", "х"};
constexpr std::string_view kMinusSign = "\u2212";
// The longest a broken line is quoted when it is said to be so.
constexpr std::size_t kLongestQuote = 200;
// Longer than any line: 20 answers of the longest, a name and the rest, in bytes.
constexpr std::size_t kLongestLine = 4096;

// Calls take(bytes, character, blankBefore) for each character of typed that is no blank, line
// breaks being blanks, with whether blanks came before it, until take returns false. A byte that
// is no UTF-8 comes alone, its character of length 0.
template <typename Take>
void forEachNonBlank(std::string_view typed, Take take) {
    TypedText text(typed);
    bool blank = false;
    while (!text.empty()) {
        const BlankKind kind = text.blankAtStart();
        if (kind != BlankKind::kNone) {
            text.skipBlank(kind);
            blank = true;
            continue;
        }
        const std::string_view before = text.rest();
        const Utf8Character character = text.takeCharacter();
        if (!take(before.substr(0, before.size() - text.rest().size()), character, blank)) {
            return;
        }
        blank = false;
    }
}

// text with every blank, line breaks included, taken out.
std::string withoutBlanks(std::string_view typed) {
    std::string kept;
    forEachNonBlank(typed, [&kept](std::string_view bytes, Utf8Character, bool) {
        kept += bytes;
        return true;
    });
    return kept;
}

bool endsWithAny(std::string_view text, std::span<const std::string_view> endings,
                 std::string_view& rest) {
    for (const std::string_view ending : endings) {
        if (text.ends_with(ending)) {
            rest = text.substr(0, text.size() - ending.size());
            return true;
        }
    }
    return false;
}

// The whole number after one of the words, blanks taken out already.
std::optional<int> numberAfter(std::string_view text, std::span<const std::string_view> words,
                               int most) {
    TypedText rest(text);
    if (!rest.takeAnyOf(words)) {
        return std::nullopt;
    }
    return readWholeNumber(rest.rest(), 1, most);
}

std::optional<std::vector<GivenAnswer>> readAnswers(std::string_view field) {
    const std::string text = withoutBlanks(field);
    std::vector<GivenAnswer> answers;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = std::min(text.find(kAnswerSeparator, start), text.size());
        std::string_view answer = std::string_view(text).substr(start, end - start);
        GivenAnswer given;
        given.hintOpened = endsWithAny(answer, kHintMarks, answer);
        if (answer == kNoNumber) {
            given.notANumber = true;
        } else if (!answer.empty()) {
            if (!readAnswerNumber(answer)) {
                return std::nullopt;
            }
            given.number = givenAnswer(answer, false).number;
        }
        answers.push_back(std::move(given));
        if (answers.size() > static_cast<std::size_t>(kProblemsPerPupil.most)) {
            return std::nullopt;
        }
        if (end == text.size()) {
            return answers;
        }
        start = end + 1;
    }
}

// The result in the fields after the form's "|": code, variant, number, name and answers.
std::optional<PupilResult> readFields(std::span<const std::string_view, 5> fields) {
    const auto code = SheetCode::read(fields[0]);
    const auto variant = numberAfter(withoutBlanks(fields[1]), kVariantWords, 65535);
    const auto number = numberAfter(withoutBlanks(fields[2]), kNumberSigns, kHighestPupilNumber);
    auto answers = readAnswers(fields[4]);
    if (!code || !variant || !number || !answers) {
        return std::nullopt;
    }
    return PupilResult{*code, *variant, *number, nameForLine(fields[3]), std::move(*answers)};
}

// The text quoted for a line: its blanks as single spaces, cut where a broken one goes on.
std::string quoted(std::string_view line) {
    std::string text;
    forEachNonBlank(line, [&text](std::string_view bytes, Utf8Character, bool blankBefore) {
        if (blankBefore && !text.empty()) {
            text += ' ';
        }
        text += bytes;
        return text.size() < kLongestQuote;
    });
    return text;
}

// Passes over blanks and line breaks.
void skipAllBlanks(TypedText& text) {
    while (text.blankAtStart() != BlankKind::kNone) {
        text.skipBlank(text.blankAtStart());
    }
}

// The line starting at the marker; none where it does not start as a result line. length is set
// to the line's where it is read.
std::optional<FoundLine> readLine(std::string_view candidate, std::size_t& length) {
    TypedText text(candidate.substr(kMarker.size()));
    skipAllBlanks(text);
    const std::string_view form = text.takeDigits();
    skipAllBlanks(text);
    if (form.empty() || !text.take(kSeparator)) {
        return std::nullopt;
    }
    const std::string_view rest = text.rest();
    std::array<std::string_view, 5> fields;
    std::size_t found = 0;
    std::size_t start = 0;
    for (; found < fields.size(); ++found) {
        const std::size_t end = rest.find(kSeparator, start);
        if (end == std::string_view::npos) {
            break;
        }
        fields[found] = rest.substr(start, end - start);
        start = end + 1;
    }
    FoundLine line;
    if (found == fields.size() && form == std::to_string(kResultForm)) {
        length = static_cast<std::size_t>(rest.data() - candidate.data()) + start;
        line.result = readFields(fields);
    }
    // One cut short, of a later form or not read is quoted to the end of its first line.
    line.text = quoted(line.result ? candidate.substr(0, length)
                                   : candidate.substr(0, candidate.find_first_of("\r\n")));
    return line;
}

}  // namespace

GivenAnswer givenAnswer(std::string_view typed, bool hintOpened) {
    GivenAnswer given;
    given.hintOpened = hintOpened;
    if (!readAnswerNumber(typed)) {
        given.notANumber = !TypedText(typed).trim().empty();
        return given;
    }
    const std::string bare = withoutBlanks(typed);
    std::string_view rest = bare;
    for (const std::string_view unknown : kUnknownNames) {
        if (rest.starts_with(unknown) && rest.substr(unknown.size()).starts_with('=')) {
            rest.remove_prefix(unknown.size() + 1);
            break;
        }
    }
    // Appended piece by piece, as GCC 12 warns falsely of overlapping copies in replace().
    std::string number;
    if (rest.starts_with(kMinusSign)) {
        number += '-';
        rest.remove_prefix(kMinusSign.size());
    }
    for (const char c : rest) {
        number += c == '.' ? ',' : c;
    }
    given.number = std::move(number);
    return given;
}

std::string nameForLine(std::string_view typed) {
    std::string name;
    std::size_t characters = 0;
    // Blanks on either side of a character dropped still part the words around it.
    bool blank = false;
    forEachNonBlank(typed, [&](std::string_view bytes, Utf8Character character, bool blankBefore) {
        blank = blank || blankBefore;
        if (character.length == 0 || character.codePoint < 0x20 ||
            (character.codePoint >= 0x7F && character.codePoint < 0xA0)) {
            return true;
        }
        if (blank && !name.empty()) {
            name += ' ';
            ++characters;
        }
        blank = false;
        name += character.codePoint == static_cast<std::uint32_t>(kSeparator) ? "/" : bytes;
        return ++characters < kLongestName;
    });
    return name;
}

std::string resultLine(const PupilResult& result) {
    std::string line(kMarker);
    line += ' ';
    line += std::to_string(kResultForm);
    line += " | ";
    line += result.code.text();
    line += " | ";
    line += kVariantWord;
    line += ' ';
    line += std::to_string(result.variant);
    line += " | ";
    line += kNumberSign;
    line += ' ';
    line += std::to_string(result.number);
    line += " | ";
    line += result.name;
    line += result.name.empty() ? "| " : " | ";
    bool first = true;
    for (const GivenAnswer& answer : result.answers) {
        if (!first) {
            line += "; ";
        }
        first = false;
        line += answer.notANumber ? std::string(kNoNumber) : answer.number;
        if (answer.hintOpened) {
            line += ' ';
            line += kHintMark;
        }
    }
    line += line.back() == ' ' ? "|" : " |";
    return line;
}

std::vector<FoundLine> findResultLines(std::string_view pasted) {
    std::vector<FoundLine> lines;
    std::size_t at = pasted.find(kMarker);
    while (at != std::string_view::npos) {
        // Only a name may hold the marker, so a line read whole goes on past it; a line not read
        // gives way to the next marker, which may start a line of its own.
        std::size_t length = kMarker.size();
        std::optional<FoundLine> line = readLine(pasted.substr(at, kLongestLine), length);
        if (line) {
            lines.push_back(std::move(*line));
        }
        at = pasted.find(kMarker, at + length);
    }
    return lines;
}

}  // namespace worksheets
