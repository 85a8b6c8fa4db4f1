#include "worksheets/sheet_markup.h"

#include <vector>

#include "engine/transcript_text.h"
#include "worksheets/html_text.h"
#include "worksheets/page_words.h"
#include "worksheets/solution_markup.h"

namespace worksheets {

namespace {

void appendVariant(std::string& html, int number, const std::vector<SheetProblem>& set) {
    html += "<section class=\"sheet-variant\"><header class=\"sheet-head\">";
    appendElement(html, "p", "sheet-title", words::kSheetTitle);
    appendElement(html, "h2", "sheet-variant-name", words::variantName(number));
    appendElement(html, "p", "sheet-name-line", words::kNameLine);
    html += "</header>";
    for (std::size_t k = 0; k < set.size(); ++k) {
        // The name runs into the sentence, and the question ends its last line, so that five
        // problems with their room fit on a page.
        html += "<section class=\"sheet-problem\">";
        appendElement(html, "h3", "sheet-problem-name",
                      words::problemName(static_cast<int>(k) + 1));
        html += ' ';
        appendElement(html, "p", "sheet-sentence", set[k].sentence());
        html += ' ';
        appendElement(html, "p", "sheet-question", engine::kQuestion);
        html += "<div class=\"sheet-room\"></div></section>";
    }
    html += "</section>";
}

void appendKey(std::string& html, const ProblemSet& set,
               const std::vector<std::vector<SheetProblem>>& variants, bool solutions) {
    html += solutions ? "<section class=\"sheet-key sheet-key-solutions\">"
                      : "<section class=\"sheet-key\">";
    appendElement(html, "h2", "sheet-key-title", words::kKeyTitle);
    std::string code(words::kCodeLabel);
    code += ' ';
    code += set.code().text();
    appendElement(html, "p", "sheet-key-code", code);
    for (std::size_t v = 0; v < variants.size(); ++v) {
        html += "<section class=\"sheet-key-variant\">";
        appendElement(html, "h3", "sheet-key-variant-name",
                      words::variantName(static_cast<int>(v) + 1));
        for (std::size_t k = 0; k < variants[v].size(); ++k) {
            html += "<div class=\"sheet-key-problem\">";
            appendElement(html, "h4", "sheet-key-problem-name",
                          words::problemName(static_cast<int>(k) + 1));
            appendElement(html, "p", "sheet-known", variants[v][k].knownValuesLine());
            appendElement(html, "p", "sheet-answer", variants[v][k].answerLine());
            if (solutions) {
                appendSolutionMarkup(html, workedSolution(variants[v][k]), "h5");
            }
            html += "</div>";
        }
        html += "</section>";
    }
    html += "</section>";
}

}  // namespace

std::string sheetMarkup(const ProblemSet& set, int problems, int variants, bool key,
                        bool solutions) {
    std::vector<std::vector<SheetProblem>> made;
    made.reserve(static_cast<std::size_t>(variants));
    std::size_t bytes = 0;
    for (int v = 1; v <= variants; ++v) {
        made.push_back(set.variant(v, problems));
        for (const SheetProblem& problem : made.back()) {
            // The sentence, and the key's two lines of about 40 bytes each, or with the worked
            // solution about 1,200 bytes.
            bytes += problem.problem.sentence.size() + (solutions ? 1300 : 80);
        }
    }
    std::string html;
    // Room for the elements around the texts, so the text grows in few steps.
    html.reserve(bytes + static_cast<std::size_t>(variants) *
                             (800 + static_cast<std::size_t>(problems) * 400));
    for (std::size_t v = 0; v < made.size(); ++v) {
        appendVariant(html, static_cast<int>(v) + 1, made[v]);
    }
    if (key) {
        appendKey(html, set, made, solutions);
    }
    return html;
}

}  // namespace worksheets
