// Prints, as CMake's set(name [==[value]==]), what the build fills into the page's files
// (fill_page.cmake writes each from its template, where @name@ stands for the value): the window's
// colour from its description, and the worksheet and practice pages' words, element ids and limits
// from the worksheets library. Each is written there alone, so that the HTML and the program that
// finds and fills its elements cannot disagree.

#include <iostream>
#include <string>
#include <string_view>

#include "design/main_form_design.h"
#include "page_rules/css_colour.h"
#include "worksheets/html_text.h"
#include "worksheets/page_ids.h"
#include "worksheets/page_words.h"
#include "worksheets/result_line.h"
#include "worksheets/sheet_limits.h"

namespace {

namespace ids = worksheets::ids;
namespace words = worksheets::words;

void print(std::string_view name, std::string_view value) {
    // The values are HTML text, and hold no "]==]".
    std::cout << "set(" << name << " [==[" << worksheets::escapedHtml(value) << "]==])\n";
}

void print(std::string_view name, worksheets::CountRange range) {
    print(std::string(name) + "_least", std::to_string(range.least));
    print(std::string(name) + "_most", std::to_string(range.most));
    print(std::string(name) + "_at_first", std::to_string(range.atFirst));
}

}  // namespace

int main() {
    print("window_colour", page_rules::cssColour(design::mainForm().background));

    print("limit_problems", worksheets::kProblemsPerPupil);
    print("limit_variants", worksheets::kVariantCount);
    print("limit_code_length", std::to_string(worksheets::kCodeFieldLength));

    print("id_sheet_code", ids::kSheetCode);
    print("id_sheet_code_problem", ids::kSheetCodeProblem);
    print("id_sheet_problems", ids::kSheetProblems);
    print("id_sheet_variants", ids::kSheetVariants);
    print("id_sheet_key", ids::kSheetKey);
    print("id_sheet_solutions", ids::kSheetSolutions);
    print("id_sheet_hints", ids::kSheetHints);
    print("id_sheet_whole_answers", ids::kSheetWholeAnswers);
    print("id_sheet_sought", ids::kSheetSought);
    print("id_sheet_new", ids::kSheetNew);
    print("id_sheet_copy", ids::kSheetCopy);
    print("id_sheet_pupils", ids::kSheetPupils);
    print("id_sheet_print", ids::kSheetPrint);
    print("id_sheet_link_box", ids::kSheetLinkBox);
    print("id_sheet_link", ids::kSheetLink);
    print("id_sheet_pupils_box", ids::kSheetPupilsBox);
    print("id_sheet_pupils_link", ids::kSheetPupilsLink);
    print("id_sheet_pupils_note", ids::kSheetPupilsNote);
    print("id_sheet_status", ids::kSheetStatus);
    print("id_sheet_moodle", ids::kSheetMoodle);
    print("id_sheets", ids::kSheets);
    print("id_results", ids::kResults);
    print("id_results_paste", ids::kResultsPaste);
    print("id_results_download", ids::kResultsDownload);
    print("id_results_print", ids::kResultsPrint);
    print("id_results_status", ids::kResultsStatus);
    print("id_results_shown", ids::kResultsShown);
    print("id_practice_refusal", ids::kPracticeRefusal);
    print("id_practice_start", ids::kPracticeStart);
    print("id_practice_sheet_fields", ids::kPracticeSheetFields);
    print("id_practice_code", ids::kPracticeCode);
    print("id_practice_problems", ids::kPracticeProblems);
    print("id_practice_number", ids::kPracticeNumber);
    print("id_practice_answers", ids::kPracticeAnswers);
    print("id_practice_variant_name", ids::kPracticeVariantName);
    print("id_practice_score", ids::kPracticeScore);
    print("id_practice_problems_list", ids::kPracticeProblemsList);
    print("id_practice_result", ids::kPracticeResult);
    print("id_practice_result_name", ids::kPracticeResultName);
    print("id_practice_result_number", ids::kPracticeResultNumber);
    print("id_practice_result_missing", ids::kPracticeResultMissing);
    print("id_practice_result_line", ids::kPracticeResultLine);
    print("id_practice_copy_result", ids::kPracticeCopyResult);
    print("id_practice_result_status", ids::kPracticeResultStatus);

    print("word_code_label", words::kCodeLabel);
    print("word_needs_javascript", words::kNeedsJavaScript);
    print("word_sheet_title", words::kSheetTitle);
    print("word_new_sheet", words::kNewSheet);
    print("word_problems_per_pupil", words::kProblemsPerPupilLabel);
    print("word_variant_count", words::kVariantCountLabel);
    print("word_key", words::kKeyLabel);
    print("word_solutions", words::kSolutionsLabel);
    print("word_hints", words::kHintsLabel);
    print("word_whole_answers", words::kWholeAnswersLabel);
    print("word_sought", words::kSoughtLabel);
    print("word_sought_any", words::kSoughtAny);
    print("word_sought_count", words::kSoughtCount);
    print("word_sought_time", words::kSoughtTime);
    print("word_sought_amount", words::kSoughtAmount);
    print("word_copy_link", words::kCopyLink);
    print("word_pupils_link", words::kPupilsLink);
    print("word_print", words::kPrint);
    print("word_link_label", words::kLinkLabel);
    print("word_pupils_link_label", words::kPupilsLinkLabel);
    print("word_practice_title", words::kPracticeTitle);
    print("word_problem_count", words::kProblemCountLabel);
    print("word_pupil_number", words::kPupilNumberLabel);
    print("word_to_problems", words::kToProblems);
    print("word_check", words::kCheck);
    print("word_download_moodle", words::kDownloadMoodle);
    print("word_results_title", words::kResultsTitle);
    print("word_results_paste_label", words::kResultsPasteLabel);
    print("word_results_kept_nowhere", words::kResultsKeptNowhere);
    print("word_download_table", words::kDownloadTable);
    print("word_print_table", words::kPrintTable);
    print("word_result_title", words::kResultTitle);
    print("word_result_name_label", words::kResultNameLabel);
    print("word_copy_result", words::kCopyResult);
    print("word_result_note", words::kResultNote);
    print("word_result_needs_number", words::kResultNeedsNumber);
    print("limit_longest_name", std::to_string(worksheets::kLongestName));
    print("word_more_links", words::kMoreLinks);
    print("word_sheet_for_the_class", words::kSheetForTheClass);
    return 0;
}
