#include "web_core/practice_markup.h"

#include "web_core/sheet_markup.h"

namespace web_core {

std::string answerName(int number) {
    std::string name = "Отговор на задача ";
    name += std::to_string(number);
    return name;
}

std::string practiceId(std::string_view part, int number) {
    std::string id = "practice-";
    id += part;
    id += '-';
    id += std::to_string(number);
    return id;
}

std::string variantHeading(int variant) {
    std::string heading = "Вариант ";
    heading += std::to_string(variant);
    return heading;
}

std::string practiceMarkup(const std::vector<worksheets::SheetProblem>& problems) {
    std::string html;
    for (std::size_t k = 0; k < problems.size(); ++k) {
        const int number = static_cast<int>(k) + 1;
        const std::string answer = practiceId("answer", number);
        const std::string verdict = practiceId("verdict", number);
        const std::string reason = practiceId("reason", number);
        html += "<section class=\"practice-problem\"><h3 class=\"practice-problem-name\">Задача ";
        html += std::to_string(number);
        // The name runs into the sentence, as on the printed sheet.
        html += ".</h3> <p class=\"practice-sentence\">";
        html += escapedHtml(problems[k].sentence);
        html += "</p><p class=\"practice-question\">";
        html += escapedHtml(worksheets::kQuestion);
        html += "</p><p class=\"practice-answer-row\"><label for=\"";
        html += answer;
        html += "\">";
        html += kAnswerLabel;
        // Every key of a phone's keyboard: an input mode for numbers would hide "/" for fractions.
        // No length limit either: a long paste is read, and said to be no number, not cut to one.
        html += "</label> <input id=\"";
        html += answer;
        html += "\" class=\"practice-answer\" type=\"text\" aria-label=\"";
        html += answerName(number);
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
        html += "\"></span></p><div class=\"practice-solution\" id=\"";
        html += practiceId("solution", number);
        html += "\" hidden></div></section>";
    }
    return html;
}

}  // namespace web_core
