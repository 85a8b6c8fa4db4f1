#include "worksheets/solution_markup.h"

#include "worksheets/html_text.h"
#include "worksheets/page_words.h"

namespace worksheets {

void appendHintMarkup(std::string& html, const WorkedSolution& solution) {
    html += "<table class=\"solution-condition\">";
    appendElement(html, "caption", "solution-caption", words::kConditionCaption);
    html += "<thead><tr>";
    for (const std::string_view heading : solution.headings) {
        html += "<th scope=\"col\">";
        appendEscaped(html, heading);
        html += "</th>";
    }
    html += "</tr></thead><tbody>";
    for (std::size_t row = 0; row < solution.rows.size(); ++row) {
        html += "<tr>";
        for (std::size_t column = 0; column < solution.rows[row].size(); ++column) {
            const bool unknown =
                static_cast<int>(row) == solution.unknownRow &&
                static_cast<int>(column) == static_cast<int>(solution.unknownColumn);
            html += unknown ? "<td class=\"solution-unknown\">" : "<td>";
            appendEscaped(html, solution.rows[row][column]);
            html += "</td>";
        }
        html += "</tr>";
    }
    html += "</tbody></table><ul class=\"solution-steps\">";
    for (const ProportionStep& step : solution.steps) {
        html += "<li class=\"solution-step\"><span class=\"solution-arrows\" aria-hidden=\"true\">";
        appendEscaped(html, step.arrows);
        html += "</span> ";
        appendEscaped(html, step.words);
        html += "</li>";
    }
    html += "</ul>";
}

void appendSolutionMarkup(std::string& html, const WorkedSolution& solution,
                          std::string_view headingTag) {
    html += "<div class=\"solution\">";
    appendElement(html, headingTag, "solution-title", words::kSolutionTitle);
    appendHintMarkup(html, solution);
    appendElement(html, "p", "solution-chain", solution.chain);
    appendElement(html, "p", "solution-answer", solution.answer);
    html += "</div>";
}

}  // namespace worksheets
