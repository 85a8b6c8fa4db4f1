#pragma once

#include <array>
#include <string_view>

// The ids of the elements of the worksheet page (sheet.html) and the pupils' practice page
// (practice.html) that the program finds by id: the HTML takes them from here through the build
// (app/web/page_values.cpp), and the pages' bindings look them up by these names.
namespace worksheets::ids {

// The worksheet page.
inline constexpr std::string_view kSheetCode = "sheet-code";                 // the code's field
inline constexpr std::string_view kSheetCodeProblem = "sheet-code-problem";  // what is wrong
inline constexpr std::string_view kSheetProblems = "sheet-problems";         // a number field
inline constexpr std::string_view kSheetVariants = "sheet-variants";         // a number field
// Checkboxes.
inline constexpr std::string_view kSheetKey = "sheet-key";
inline constexpr std::string_view kSheetSolutions = "sheet-solutions";
inline constexpr std::string_view kSheetHints = "sheet-hints";
inline constexpr std::string_view kSheetWholeAnswers = "sheet-whole-answers";
// The quantity sought: a select whose options' values are those of worksheets::Sought.
inline constexpr std::string_view kSheetSought = "sheet-sought";
inline constexpr std::string_view kSheetNew = "sheet-new";  // buttons
inline constexpr std::string_view kSheetCopy = "sheet-copy";
inline constexpr std::string_view kSheetPupils = "sheet-pupils";
inline constexpr std::string_view kSheetPrint = "sheet-print";
inline constexpr std::string_view kSheetMoodle = "sheet-moodle";
// The link, shown where it cannot be copied, and the box around it.
inline constexpr std::string_view kSheetLinkBox = "sheet-link-box";
inline constexpr std::string_view kSheetLink = "sheet-link";
// The pupils' link to practice.html once asked for, and the box around it.
inline constexpr std::string_view kSheetPupilsBox = "sheet-pupils-box";
inline constexpr std::string_view kSheetPupilsLink = "sheet-pupils-link";
// What to give the pupils instead, where the page is a file.
inline constexpr std::string_view kSheetPupilsNote = "sheet-pupils-note";
inline constexpr std::string_view kSheetStatus = "sheet-status";  // a polite live region
inline constexpr std::string_view kSheets = "sheets";             // where the sheets go
// The class's results: a details element, the pasted text, its buttons, what was read (a polite
// live region) and the table.
inline constexpr std::string_view kResults = "results";
inline constexpr std::string_view kResultsPaste = "results-paste";
inline constexpr std::string_view kResultsDownload = "results-download";
inline constexpr std::string_view kResultsPrint = "results-print";
inline constexpr std::string_view kResultsStatus = "results-status";
inline constexpr std::string_view kResultsShown = "results-shown";

inline constexpr std::array<std::string_view, 27> kSheetPage = {
    kSheetCode,      kSheetCodeProblem, kSheetProblems,     kSheetVariants,   kSheetKey,
    kSheetSolutions, kSheetHints,       kSheetWholeAnswers, kSheetSought,     kSheetNew,
    kSheetCopy,      kSheetPupils,      kSheetPrint,        kSheetMoodle,     kSheetLinkBox,
    kSheetLink,      kSheetPupilsBox,   kSheetPupilsLink,   kSheetPupilsNote, kSheetStatus,
    kSheets,         kResults,          kResultsPaste,      kResultsDownload, kResultsPrint,
    kResultsStatus,  kResultsShown,
};

// The practice page.
// What is wrong with the link or the start: a polite live region.
inline constexpr std::string_view kPracticeRefusal = "practice-refusal";
// The start: a form, the sheet's fields (shown where the link brought no sheet) around the code
// and the count, and the pupil's number.
inline constexpr std::string_view kPracticeStart = "practice-start";
inline constexpr std::string_view kPracticeSheetFields = "practice-sheet-fields";
inline constexpr std::string_view kPracticeCode = "practice-code";
inline constexpr std::string_view kPracticeProblems = "practice-problems";
inline constexpr std::string_view kPracticeNumber = "practice-number";
// The variant: a form, its heading, the score (a polite live region) and where the problems go.
inline constexpr std::string_view kPracticeAnswers = "practice-answers";
inline constexpr std::string_view kPracticeVariantName = "practice-variant-name";
inline constexpr std::string_view kPracticeScore = "practice-score";
inline constexpr std::string_view kPracticeProblemsList = "practice-problems-list";
// The result to hand in, once checked: the section, the name's and the number's fields, what
// is missing, the line (a read-only text area), its button and what copying it did (a polite
// live region).
inline constexpr std::string_view kPracticeResult = "practice-result";
inline constexpr std::string_view kPracticeResultName = "practice-result-name";
inline constexpr std::string_view kPracticeResultNumber = "practice-result-number";
inline constexpr std::string_view kPracticeResultMissing = "practice-result-missing";
inline constexpr std::string_view kPracticeResultLine = "practice-result-line";
inline constexpr std::string_view kPracticeCopyResult = "practice-copy-result";
inline constexpr std::string_view kPracticeResultStatus = "practice-result-status";

inline constexpr std::array<std::string_view, 17> kPracticePage = {
    kPracticeRefusal,      kPracticeStart,         kPracticeSheetFields, kPracticeCode,
    kPracticeProblems,     kPracticeNumber,        kPracticeAnswers,     kPracticeVariantName,
    kPracticeScore,        kPracticeProblemsList,  kPracticeResult,      kPracticeResultName,
    kPracticeResultNumber, kPracticeResultMissing, kPracticeResultLine,  kPracticeCopyResult,
    kPracticeResultStatus,
};

}  // namespace worksheets::ids
