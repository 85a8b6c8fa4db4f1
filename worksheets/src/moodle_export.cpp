#include "worksheets/moodle_export.h"

#include <numeric>
#include <stdexcept>
#include <string_view>

#include "worksheets/html_text.h"
#include "worksheets/page_words.h"
#include "worksheets/solution_markup.h"
#include "worksheets/worked_solution.h"

namespace worksheets {

namespace {

// Text in a CDATA section, which ends at the first "]]>": one that the text holds is split
// between two sections.
void appendCdata(std::string& xml, std::string_view text) {
    xml += "<![CDATA[";
    std::size_t at = 0;
    while (true) {
        const std::size_t end = text.find("]]>", at);
        if (end == std::string_view::npos) {
            break;
        }
        xml += text.substr(at, end + 2 - at);
        xml += "]]><![CDATA[";
        at = end + 2;
    }
    xml += text.substr(at);
    xml += "]]>";
}

void appendCategory(std::string& xml, std::string_view code, int number) {
    xml += "<question type=\"category\">\n<category><text>$course$/top/";
    appendEscaped(xml, words::kMoodleCategory);
    xml += '/';
    appendEscaped(xml, code);
    xml += '/';
    appendEscaped(xml, words::problemHeading(number));
    xml += "</text></category>\n</question>\n";
}

void appendQuestion(std::string& xml, const SheetProblem& problem, int variant, int number) {
    xml += "<question type=\"numerical\">\n<name><text>";
    appendEscaped(xml, words::moodleQuestionName(variant, number));
    xml += "</text></name>\n<questiontext format=\"html\"><text>";
    std::string text;
    appendElement(text, "p", "sentence", problem.sentence());
    appendElement(text, "p", "unknown", words::kUnknownAsked);
    appendCdata(xml, text);
    xml += "</text></questiontext>\n<generalfeedback format=\"html\"><text>";
    std::string solution;
    appendSolutionMarkup(solution, workedSolution(problem), "h4");
    appendCdata(xml, solution);
    xml +=
        "</text></generalfeedback>\n<defaultgrade>1</defaultgrade>\n<penalty>0</penalty>\n"
        "<hidden>0</hidden>\n<answer fraction=\"100\" format=\"moodle_auto_format\"><text>";
    xml += exactDecimal(problem.solution.numeratorProduct, problem.solution.denominatorProduct);
    xml +=
        "</text><feedback format=\"html\"><text></text></feedback>"
        "<tolerance>0</tolerance></answer>\n"
        "<unitgradingtype>0</unitgradingtype>\n<unitpenalty>0</unitpenalty>\n"
        "<showunits>3</showunits>\n<unitsleft>0</unitsleft>\n</question>\n";
}

}  // namespace

std::string exactDecimal(std::int64_t numerator, std::int64_t denominator) {
    if (denominator == 0) {
        throw std::invalid_argument("a fraction over 0");
    }
    const bool negative = (numerator < 0) != (denominator < 0) && numerator != 0;
    std::uint64_t top = numerator < 0 ? 0 - static_cast<std::uint64_t>(numerator)
                                      : static_cast<std::uint64_t>(numerator);
    std::uint64_t bottom = denominator < 0 ? 0 - static_cast<std::uint64_t>(denominator)
                                           : static_cast<std::uint64_t>(denominator);
    const std::uint64_t common = std::gcd(top, bottom);
    top /= common;
    bottom /= common;
    for (std::uint64_t rest = bottom; rest > 1;) {
        if (rest % 2 == 0) {
            rest /= 2;
        } else if (rest % 5 == 0) {
            rest /= 5;
        } else {
            throw std::invalid_argument("no terminating decimal");
        }
    }
    std::string text = negative ? "-" : "";
    text += std::to_string(top / bottom);
    std::uint64_t remainder = top % bottom;
    if (remainder != 0) {
        text += '.';
    }
    // The remainder stays below the denominator, so ten times it fits in 64 bits.
    while (remainder != 0) {
        remainder *= 10;
        text += static_cast<char>('0' + remainder / bottom);
        remainder %= bottom;
    }
    return text;
}

std::string moodleXml(const ProblemSet& set, int problems, int variants) {
    std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<quiz>\n";
    std::vector<std::vector<SheetProblem>> drawn;
    for (int variant = 1; variant <= variants; ++variant) {
        drawn.push_back(set.variant(variant, problems));
    }
    for (int number = 1; number <= problems; ++number) {
        appendCategory(xml, set.code().text(), number);
        for (int variant = 1; variant <= variants; ++variant) {
            appendQuestion(
                xml,
                drawn[static_cast<std::size_t>(variant - 1)][static_cast<std::size_t>(number - 1)],
                variant, number);
        }
    }
    xml += "</quiz>\n";
    return xml;
}

}  // namespace worksheets
