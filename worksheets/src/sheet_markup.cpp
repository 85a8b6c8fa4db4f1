#include "web_core/sheet_markup.h"

#include <vector>

namespace web_core {

namespace {

void appendEscaped(std::string& html, std::string_view text) {
    for (const char c : text) {
        switch (c) {
            case '&':
                html += "&amp;";
                break;
            case '<':
                html += "&lt;";
                break;
            case '>':
                html += "&gt;";
                break;
            case '"':
                html += "&quot;";
                break;
            case '\'':
                html += "&#39;";
                break;
            default:
                html += c;
        }
    }
}

// <tag class="name">text</tag>
void appendElement(std::string& html, std::string_view tag, std::string_view name,
                   std::string_view text) {
    html.append("<").append(tag).append(" class=\"").append(name).append("\">");
    appendEscaped(html, text);
    html.append("</").append(tag).append(">");
}

std::string problemName(int number) { return "Задача " + std::to_string(number) + "."; }

std::string variantName(int number) { return "Вариант " + std::to_string(number); }

void appendVariant(std::string& html, int number,
                   const std::vector<worksheets::SheetProblem>& set) {
    html += "<section class=\"sheet-variant\"><header class=\"sheet-head\">";
    appendElement(html, "p", "sheet-title", kSheetTitle);
    appendElement(html, "h2", "sheet-variant-name", variantName(number));
    appendElement(html, "p", "sheet-name-line", kNameLine);
    html += "</header>";
    for (std::size_t k = 0; k < set.size(); ++k) {
        // The name runs into the sentence, and the question ends its last line, so that five
        // problems with their room fit on a page.
        html += "<section class=\"sheet-problem\">";
        appendElement(html, "h3", "sheet-problem-name", problemName(static_cast<int>(k) + 1));
        html += ' ';
        appendElement(html, "p", "sheet-sentence", set[k].sentence);
        html += ' ';
        appendElement(html, "p", "sheet-question", worksheets::kQuestion);
        html += "<div class=\"sheet-room\"></div></section>";
    }
    html += "</section>";
}

void appendKey(std::string& html, const worksheets::ProblemSet& set,
               const std::vector<std::vector<worksheets::SheetProblem>>& variants) {
    html += "<section class=\"sheet-key\">";
    appendElement(html, "h2", "sheet-key-title", kKeyTitle);
    appendElement(html, "p", "sheet-key-code", std::string(kCodeLabel) + " " + set.code().text());
    for (std::size_t v = 0; v < variants.size(); ++v) {
        html += "<section class=\"sheet-key-variant\">";
        appendElement(html, "h3", "sheet-key-variant-name", variantName(static_cast<int>(v) + 1));
        for (std::size_t k = 0; k < variants[v].size(); ++k) {
            html += "<div class=\"sheet-key-problem\">";
            appendElement(html, "h4", "sheet-key-problem-name",
                          problemName(static_cast<int>(k) + 1));
            appendElement(html, "p", "sheet-known", variants[v][k].knownValues);
            appendElement(html, "p", "sheet-answer", variants[v][k].answer);
            html += "</div>";
        }
        html += "</section>";
    }
    html += "</section>";
}

}  // namespace

std::string escapedHtml(std::string_view text) {
    std::string html;
    appendEscaped(html, text);
    return html;
}

std::string sheetMarkup(const worksheets::ProblemSet& set, int problems, int variants, bool key) {
    std::vector<std::vector<worksheets::SheetProblem>> made;
    made.reserve(static_cast<std::size_t>(variants));
    std::size_t bytes = 0;
    for (int v = 1; v <= variants; ++v) {
        made.push_back(set.variant(v, problems));
        for (const worksheets::SheetProblem& problem : made.back()) {
            bytes += problem.sentence.size() + problem.knownValues.size() + problem.answer.size();
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
        appendKey(html, set, made);
    }
    return html;
}

}  // namespace web_core
