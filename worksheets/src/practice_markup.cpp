#include "worksheets/practice_markup.h"

#include "engine/transcript_text.h"
#include "worksheets/html_text.h"
#include "worksheets/page_words.h"
#include "worksheets/solution_markup.h"

namespace worksheets {

std::string practiceId(std::string_view part, int number) {
    std::string id = "practice-";
    id += part;
    id += '-';
    id += std::to_string(number);
    return id;
}

std::string practiceMarkup(const std::vector<SheetProblem>& problems, bool hints) {
    std::string html;
    for (std::size_t k = 0; k < problems.size(); ++k) {
        const int number = static_cast<int>(k) + 1;
        const std::string answer = practiceId("answer", number);
        const std::string verdict = practiceId("verdict", number);
        const std::string reason = practiceId("reason", number);
        html += "<section class=\"practice-problem\">";
        // The name runs into the sentence, as on the printed sheet.
        appendElement(html, "h3", "practice-problem-name", words::problemName(number));
        html += ' ';
        appendElement(html, "p", "practice-sentence", problems[k].sentence());
        appendElement(html, "p", "practice-question", engine::kQuestion);
        html += "<p class=\"practice-answer-row\"><label for=\"";
        html += answer;
        html += "\">";
        appendEscaped(html, words::kAnswerLabel);
        // Every key of a phone's keyboard: an input mode for numbers would hide "/" for fractions.
        // No length limit either: a long paste is read, and said to be no number, not cut to one.
        html += "</label> <input id=\"";
        html += answer;
        html += "\" class=\"practice-answer\" type=\"text\" aria-label=\"";
        appendEscaped(html, words::answerName(number));
        html += "\" aria-describedby=\"";
        html += verdict;
        html += ' ';
        html += reason;
        html +=
            "\" autocomplete=\"off\" autocapitalize=\"off\" autocorrect=\"off\" "
            "spellcheck=\"false\" enterkeyhint=\"done\"> <span class=\"practice-verdict\" "
            "id=\"";
        html += verdict;
        html += "\"></span> <span class=\"practice-reason\" id=\"";
        html += reason;
        html += "\"></span></p>";
        if (hints) {
            html += "<details class=\"practice-hint\" id=\"";
            html += practiceId("hint", number);
            html += "\">";
            appendElement(html, "summary", "practice-hint-title", words::kHint);
            appendHintMarkup(html, workedSolution(problems[k]));
            html += "</details>";
        }
        html += "<div class=\"practice-solution\" id=\"";
        html += practiceId("solution", number);
        html += "\" hidden></div></section>";
    }
    return html;
}

std::string practiceSolutionMarkup(const SheetProblem& problem) {
    std::string html;
    appendSolutionMarkup(html, workedSolution(problem), "h4");
    html += "<div class=\"practice-calculations\">";
    appendElement(html, "p", "practice-calculations-title", words::kCalculations);
    appendElement(html, "p", "practice-known", problem.knownValuesLine());
    appendElement(html, "p", "practice-answer-line", problem.answerLine());
    html += "</div>";
    return html;
}

}  // namespace worksheets
