#include "worksheets/results_table.h"

#include <string_view>
#include <vector>

#include "worksheets/html_text.h"
#include "worksheets/page_words.h"

namespace worksheets {

namespace {

std::string_view cellClass(Mark mark) {
    return mark == Mark::kRight   ? "results-right"
           : mark == Mark::kWrong ? "results-wrong"
                                  : "results-none";
}

void appendCell(std::string& html, std::string_view tag, std::string_view text,
                std::string_view attributes = {}) {
    html += '<';
    html += tag;
    html += attributes;
    html += '>';
    appendEscaped(html, text);
    html += "</";
    html += tag;
    html += '>';
}

void appendHead(std::string& html, int problems) {
    html += "<thead><tr>";
    for (const std::string_view heading :
         {words::kPupilNumberHeading, words::kNameHeading, words::kVariantHeading}) {
        appendCell(html, "th", heading, " scope=\"col\"");
    }
    for (int number = 1; number <= problems; ++number) {
        appendCell(html, "th", words::problemHeading(number), " scope=\"col\"");
    }
    appendCell(html, "th", words::kRightHeading, " scope=\"col\"");
    html += "</tr></thead>";
}

void appendRow(std::string& html, const PupilRow& row) {
    html += "<tr>";
    appendCell(html, "th", std::to_string(row.number), " scope=\"row\"");
    appendCell(html, "td", row.name);
    appendCell(html, "td", std::to_string(row.variant));
    for (const ProblemMark& mark : row.marks) {
        html += "<td class=\"";
        html += cellClass(mark.mark);
        html += "\">";
        appendEscaped(html, markWord(mark.mark));
        if (mark.hintOpened) {
            appendElement(html, "span", "results-hint", words::kMarkWithHint);
        }
        if (mark.mark == Mark::kWrong) {
            html += ' ';
            appendElement(html, "span", "results-answer", mark.answer);
        }
        html += "</td>";
    }
    appendCell(html, "td", std::to_string(row.right));
    html += "</tr>";
}

void appendApart(std::string& html, const std::vector<LineApart>& apart) {
    if (apart.empty()) {
        return;
    }
    appendCell(html, "h3", words::kLinesApart);
    html += "<ul class=\"results-apart\">";
    for (const LineApart& line : apart) {
        html += "<li>";
        appendElement(html, "span", "results-reason", line.reason);
        html += ' ';
        appendElement(html, "code", "results-line", line.line);
        html += "</li>";
    }
    html += "</ul>";
}

// A field as the file holds it.
std::string csvField(std::string_view text) {
    std::string field;
    if (!text.empty() &&
        std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos) {
        field += '\'';
    }
    field += text;
    // A comma too, for a spreadsheet asked to split at commas as well.
    const bool quoted = field.find_first_of(";,\"\r\n") != std::string::npos ||
                        (!field.empty() && (field.front() == ' ' || field.back() == ' '));
    if (!quoted) {
        return field;
    }
    std::string inQuotes = "\"";
    for (const char c : field) {
        inQuotes += c;
        if (c == '"') {
            inQuotes += '"';
        }
    }
    return inQuotes + '"';
}

void appendCsvLine(std::string& csv, const std::vector<std::string>& fields) {
    bool first = true;
    for (const std::string& field : fields) {
        if (!first) {
            csv += ';';
        }
        first = false;
        csv += csvField(field);
    }
    csv += "\r\n";
}

}  // namespace

std::string resultsMarkup(const ClassResults& results) {
    std::string html;
    if (!results.rows.empty()) {
        html += "<table class=\"results-table\">";
        appendHead(html, results.problems);
        html += "<tbody>";
        for (const PupilRow& row : results.rows) {
            appendRow(html, row);
        }
        html += "</tbody><tfoot><tr>";
        appendCell(html, "th", words::kRightPerProblem, " scope=\"row\" colspan=\"3\"");
        for (const int right : results.rightPerProblem) {
            appendCell(html, "td", std::to_string(right));
        }
        html += "<td></td></tr></tfoot></table>";
        appendElement(html, "p", "results-legend", words::kHintLegend);
    }
    appendApart(html, results.apart);
    return html;
}

std::string resultsCsv(const ClassResults& results) {
    std::string csv = "\xEF\xBB\xBF";
    std::vector<std::string> fields = {std::string(words::kPupilNumberHeading),
                                       std::string(words::kNameHeading),
                                       std::string(words::kVariantHeading)};
    for (int number = 1; number <= results.problems; ++number) {
        fields.push_back(words::problemHeading(number));
    }
    fields.emplace_back(words::kRightHeading);
    for (int number = 1; number <= results.problems; ++number) {
        fields.push_back(words::answerHeading(number));
    }
    appendCsvLine(csv, fields);
    for (const PupilRow& row : results.rows) {
        fields = {std::to_string(row.number), row.name, std::to_string(row.variant)};
        for (const ProblemMark& mark : row.marks) {
            fields.push_back(markText(mark));
        }
        fields.push_back(std::to_string(row.right));
        for (const ProblemMark& mark : row.marks) {
            fields.push_back(mark.answer);
        }
        appendCsvLine(csv, fields);
    }
    fields = {"", std::string(words::kRightPerProblem), ""};
    for (const int right : results.rightPerProblem) {
        fields.push_back(std::to_string(right));
    }
    // As many fields as every other line, as RFC 4180 asks.
    fields.resize(3 + 2 * static_cast<std::size_t>(results.problems) + 1);
    appendCsvLine(csv, fields);
    return csv;
}

}  // namespace worksheets
