// The class's results: a result line read back from what chats and e-mail make of it, marked
// again from its answers against the sheet; the lines kept apart and why; pupils' text escaped
// in the table and kept from becoming formulas in the file; the Moodle file's exact answers.

#include "worksheets/class_results.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "worksheets/answer_check.h"
#include "worksheets/moodle_export.h"
#include "worksheets/problem_set.h"
#include "worksheets/result_line.h"
#include "worksheets/results_table.h"

namespace worksheets {
namespace {

const SheetCode kCode = *SheetCode::read("3CFPS6");
// Variant 1's first two answers are 12 and 1,25 (the golden rows of the problem set).
const std::string kLine = "Резултат 1 | 3CFPS6 | вариант 1 | № 12 | Иван Петров | 12; 7 п; ; ? п |";

// Built by appending, as GCC 12 warns falsely of overlapping copies in replace().
std::string replaced(const std::string& text, std::string_view from, std::string_view to) {
    std::string result;
    std::size_t start = 0;
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, start)) {
        result.append(text, start, at - start);
        result += to;
        start = at + from.size();
    }
    result.append(text, start);
    return result;
}

TEST(ResultLine, IsWrittenAsThePupilsPageGivesIt) {
    const PupilResult result{kCode,
                             1,
                             12,
                             nameForLine("  Иван \n Петров|"),
                             {givenAnswer(" X = 12 ", false), givenAnswer("7", true),
                              givenAnswer("", false), givenAnswer("пет", true)}};
    EXPECT_EQ(resultLine(result), replaced(kLine, "Петров |", "Петров/ |"));
}

TEST(ResultLine, IsReadBackWhateverTheName) {
    for (const char* name : {"", "Резултат 1 | Ана", "Иван Резултатов", "<b>&amp;</b>; \"x\""}) {
        const PupilResult result{kCode, 2, 99, nameForLine(name), {givenAnswer("1,5", true)}};
        const std::vector<FoundLine> found = findResultLines(resultLine(result));
        ASSERT_EQ(found.size(), 1u) << name;
        EXPECT_EQ(found.front().result, result) << name;
    }
}

TEST(ResultLine, KeepsTheNumberAsRead) {
    const std::vector<std::pair<std::string, std::string>> rows = {
        {"X = 2.5", "2,5"}, {" 1 234 567,5 ", "1234567,5"},
        {"\u2212 5", "-5"}, {"х=3", "3"},
        {"10 / 4", "10/4"}, {",5", ",5"},
    };
    for (const auto& [typed, number] : rows) {
        EXPECT_EQ(givenAnswer(typed, false).number, number) << typed;
        EXPECT_TRUE(readAnswerNumber(number)) << typed;
    }
}

struct PasteRow {
    const char* name;
    std::string pasted;
    int rows;
    std::vector<std::string> reasons;
};

TEST(ClassResults, ReadWhatChatsDoToTheLines) {
    const std::string other = "Резултат 1 | QY5GFR | вариант 1 | № 3 | | 1,5 |";
    const std::vector<PasteRow> rows = {
        {"as copied", kLine, 1, {}},
        {"a name and a time stamp before, text after",
         "[10:32] Иван Петров: " + kLine + " благодаря!\nГоспожо, ето го.",
         1,
         {}},
        {"wrapped", replaced(kLine, " | ", "\n| "), 1, {}},
        {"blanks lost", replaced(kLine, " ", ""), 1, {}},
        {"blanks added", replaced(replaced(kLine, "|", "  | "), ";", " ; "), 1, {}},
        {"Cyrillic look-alikes in the code", replaced(replaced(kLine, "C", "С"), "P", "Р"), 1, {}},
        {"the same line twice", kLine + "\n" + kLine, 1, {}},
        {"another sheet", kLine + "\n" + other, 1, {"От друг лист: код QY5GFR."}},
        {"a variant the sheet has not",
         replaced(kLine, "вариант 1", "вариант 4"),
         0,
         {"Няма такъв вариант в този лист."}},
        {"two lines for one number",
         kLine + "\n" + replaced(kLine, "12; 7", "12; 1,25"),
         0,
         {"Два различни реда за № 12.", "Два различни реда за № 12."}},
        {"cut short",
         kLine.substr(0, kLine.size() - 1),
         0,
         {"Редът не може да се прочете: непълен е или е променен."}},
        {"a later form",
         replaced(kLine, "Резултат 1", "Резултат 2"),
         0,
         {"Редът не може да се прочете: непълен е или е променен."}},
        {"no result line", "Резултатът ми е 5 от 5 | браво", 0, {}},
    };
    for (const PasteRow& row : rows) {
        const ClassResults results = classResults(row.pasted, kCode, 3, 3);
        std::vector<std::string> reasons;
        for (const LineApart& line : results.apart) {
            reasons.push_back(line.reason);
        }
        EXPECT_EQ(results.rows.size(), static_cast<std::size_t>(row.rows)) << row.name;
        EXPECT_EQ(reasons, row.reasons) << row.name;
        if (row.rows == 1) {
            const PupilRow& pupil = results.rows.front();
            EXPECT_EQ(pupil.number, 12) << row.name;
            EXPECT_EQ(replaced(pupil.name, " ", ""), "ИванПетров") << row.name;
            EXPECT_EQ(results.problems, 4) << row.name;
            EXPECT_EQ(pupil.marks[0], (ProblemMark{Mark::kRight, false, "12"})) << row.name;
            EXPECT_EQ(pupil.marks[1], (ProblemMark{Mark::kWrong, true, "7"})) << row.name;
            EXPECT_EQ(pupil.marks[2], (ProblemMark{Mark::kNoAnswer, false, ""})) << row.name;
            EXPECT_EQ(pupil.marks[3], (ProblemMark{Mark::kWrong, true, "?"})) << row.name;
            EXPECT_EQ(results.rightPerProblem, (std::vector<int>{1, 0, 0, 0})) << row.name;
        }
    }
}

TEST(ClassResults, MarkEveryAnswerOfAClassAgainstTheSheet) {
    const ProblemSet set(kCode);
    std::string pasted;
    for (int pupil = 1; pupil <= 26; ++pupil) {
        PupilResult result{kCode, pupil, pupil, "", {}};
        for (const SheetProblem& problem : set.variant(pupil, 5)) {
            // Even numbers answer right, odd ones one more than right.
            const auto& s = problem.solution;
            const std::string right =
                replaced(exactDecimal(s.numeratorProduct, s.denominatorProduct), ".", ",");
            result.answers.push_back(givenAnswer(pupil % 2 == 0 ? right : right + "1", false));
        }
        pasted = resultLine(result) + "\n" + pasted;
    }
    const ClassResults results = classResults(pasted, kCode, 5, 26);
    ASSERT_EQ(results.rows.size(), 26u);
    for (const PupilRow& row : results.rows) {
        EXPECT_EQ(row.right, row.number % 2 == 0 ? 5 : 0) << row.number;
    }
    EXPECT_EQ(results.rows.front().number, 1);
    EXPECT_EQ(results.rightPerProblem, std::vector<int>(5, 13));
}

TEST(ClassResults, PupilsTextIsNeitherMarkupNorAFormula) {
    const std::string line =
        "Резултат 1 | 3CFPS6 | вариант 1 | № 1 | <img src=x onerror=alert(1)> "
        "| -5 |\nРезултат 1 | 3CFPS6 | вариант 2 | № 2 | =HYPERLINK(\"x\";\"y\") "
        "| +1 |\nРезултат 1 | 3CFPS6 | вариант 3 | № 3 | @x; \"a\" | 1 |";
    const ClassResults results = classResults(line, kCode, 1, 3);
    const std::string html = resultsMarkup(results);
    EXPECT_EQ(html.find("<img"), std::string::npos);
    EXPECT_NE(html.find("&lt;img src=x onerror=alert(1)&gt;"), std::string::npos);
    EXPECT_NE(html.find("<span class=\"results-answer\">-5</span>"), std::string::npos);
    const std::string csv = resultsCsv(results);
    EXPECT_TRUE(csv.starts_with("\xEF\xBB\xBF№;Име;Вариант;Задача 1;Верни;Отговор 1\r\n")) << csv;
    EXPECT_NE(csv.find("\r\n1;<img src=x onerror=alert(1)>;1;грешно;0;'-5\r\n"), std::string::npos)
        << csv;
    EXPECT_NE(csv.find("\r\n2;\"'=HYPERLINK(\"\"x\"\";\"\"y\"\")\";2;грешно;0;'+1\r\n"),
              std::string::npos)
        << csv;
    EXPECT_NE(csv.find("\r\n3;\"'@x; \"\"a\"\"\";3;"), std::string::npos) << csv;
    EXPECT_TRUE(csv.ends_with("\r\n;Верни отговори;;0;;\r\n")) << csv;
}

TEST(MoodleExport, AnswersAreExactDecimals) {
    const std::vector<std::tuple<std::int64_t, std::int64_t, std::string>> rows = {
        {5, 1, "5"},    {5, 2, "2.5"},    {1, 8, "0.125"},
        {10, 4, "2.5"}, {-3, 4, "-0.75"}, {1'932'000'000, 1'024, "1886718.75"},
    };
    for (const auto& [numerator, denominator, text] : rows) {
        EXPECT_EQ(exactDecimal(numerator, denominator), text) << numerator << "/" << denominator;
    }
    EXPECT_THROW(exactDecimal(1, 3), std::invalid_argument);
    EXPECT_THROW(exactDecimal(1, 0), std::invalid_argument);
}

}  // namespace
}  // namespace worksheets
