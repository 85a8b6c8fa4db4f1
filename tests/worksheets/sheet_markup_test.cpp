// The worksheet's markup: each pupil's variant with its problems, the key after them with the
// code, the texts exactly as the problem set gives them, and nothing from them read as markup.

#include "worksheets/sheet_markup.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "worksheets/html_text.h"
#include "worksheets/page_words.h"

namespace worksheets {
namespace {

ProblemSet setOf(const char* code) { return ProblemSet(*SheetCode::read(code)); }

// open + text + close, appended: GCC 12 warns falsely of overlapping copies in "..." + string.
std::string around(std::string_view open, std::string_view text, std::string_view close) {
    std::string joined(open);
    joined += text;
    joined += close;
    return joined;
}

std::size_t count(const std::string& text, const std::string& part) {
    std::size_t found = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++found;
    }
    return found;
}

// The markup from the first occurrence of `from` up to the next `to` (or the end).
std::string between(const std::string& html, const std::string& from, const std::string& to) {
    const std::size_t start = html.find(from);
    if (start == std::string::npos) {
        return {};
    }
    return html.substr(start, html.find(to, start + from.size()) - start);
}

TEST(SheetMarkupTest, EscapesWhatHtmlWouldRead) {
    EXPECT_EQ(escapedHtml("a<b>&\"c\"'d'"), "a&lt;b&gt;&amp;&quot;c&quot;&#39;d&#39;");
    EXPECT_EQ(escapedHtml("X = (4 * 12 * 12) / (6 * 8) = 12"), "X = (4 * 12 * 12) / (6 * 8) = 12");
    EXPECT_EQ(escapedHtml(""), "");
}

struct ShapeRow {
    int problems;
    int variants;
    bool key;
};

TEST(SheetMarkupTest, HasAVariantForEachPupilAndTheKeyWhereAsked) {
    for (const ShapeRow& row : {ShapeRow{1, 1, true}, ShapeRow{5, 3, true}, ShapeRow{20, 2, false},
                                ShapeRow{3, 40, false}}) {
        const std::string html = sheetMarkup(setOf("3CFPS6"), row.problems, row.variants, row.key);
        const std::string shape = std::to_string(row.problems) + " × " +
                                  std::to_string(row.variants) + (row.key ? " with key" : "");
        const auto variants = static_cast<std::size_t>(row.variants);
        const auto problems = variants * static_cast<std::size_t>(row.problems);
        EXPECT_EQ(count(html, "class=\"sheet-variant\""), variants) << shape;
        EXPECT_EQ(count(html, "class=\"sheet-problem\""), problems) << shape;
        EXPECT_EQ(count(html, std::string(words::kSheetTitle)), variants) << shape;
        EXPECT_EQ(count(html, std::string(words::kNameLine)), variants) << shape;
        EXPECT_EQ(count(html, ">X = ?<"), problems) << shape;
        EXPECT_EQ(count(html, "class=\"sheet-room\""), problems) << shape;
        EXPECT_EQ(count(html, around(">Вариант ", std::to_string(row.variants), "<")),
                  row.key ? 2u : 1u)
            << shape;
        EXPECT_EQ(count(html, around(">Задача ", std::to_string(row.problems), ".<")),
                  row.key ? 2 * variants : variants)
            << shape;
        EXPECT_EQ(count(html, "class=\"sheet-key\""), row.key ? 1u : 0u) << shape;
        EXPECT_EQ(count(html, "class=\"sheet-key-variant\""), row.key ? variants : 0) << shape;
        EXPECT_EQ(count(html, "class=\"sheet-key-problem\""), row.key ? problems : 0) << shape;
        EXPECT_EQ(count(html, "3CFPS6"), row.key ? 1u : 0u) << shape << ": only the key has it";
        const std::string solved =
            sheetMarkup(setOf("3CFPS6"), row.problems, row.variants, row.key, true);
        EXPECT_EQ(count(solved, "class=\"solution\""), row.key ? problems : 0) << shape;
        if (row.key) {
            EXPECT_GT(html.find("class=\"sheet-key\""), html.rfind("class=\"sheet-variant\""))
                << shape << ": the key after all variants";
        }
    }
}

struct GoldenRow {
    const char* code;
    int problem;
    const char* sentence;
    const char* knownValues;
    const char* answer;
};

TEST(SheetMarkupTest, CarriesTheProblemSetsTextsExactly) {
    for (const GoldenRow& row : {
             GoldenRow{"3CFPS6", 1,
                       "Ако 4 миньори за 12 часа изкопават 6 куб. м руда, то 8 миньори за X часа "
                       "ще изкопаят 12 куб. м руда.",
                       "A = 4; B = 12; C = 6; D = 8; F = 12; ", "X = (4 * 12 * 12) / (6 * 8) = 12"},
             GoldenRow{"3CFPS6", 2, nullptr, nullptr, "X = (11 * 8 * 40) / (88 * 32) = 1,25"},
             GoldenRow{"QY5GFR", 1,
                       "Ако 3 дървосекачи за 19 часа събират 19 куб. м дървесина, то X "
                       "дървосекачи за 304 часа ще съберат 152 куб. м дървесина.",
                       nullptr, "X = (3 * 19 * 152) / (19 * 304) = 1,5"},
         }) {
        const std::string html = sheetMarkup(setOf(row.code), 2, 1, true);
        const std::string name = around(">Задача ", std::to_string(row.problem), ".<");
        const std::string problem = between(html, name, "sheet-room");
        const std::string key = between(html.substr(html.find("sheet-key")), name, "</div>");
        if (row.sentence) {
            EXPECT_NE(problem.find(around(">", escapedHtml(row.sentence), "<")), std::string::npos)
                << row.code << " " << row.problem;
        }
        if (row.knownValues) {
            EXPECT_NE(key.find(around("class=\"sheet-known\">", row.knownValues, "<")),
                      std::string::npos)
                << row.code << " " << row.problem;
        }
        EXPECT_NE(key.find(around("class=\"sheet-answer\">", row.answer, "<")), std::string::npos)
            << row.code << " " << row.problem;
    }
}

TEST(SheetMarkupTest, EachVariantHoldsItsOwnProblems) {
    const ProblemSet set = setOf("QY5GFR");
    const std::string html = sheetMarkup(set, 3, 4, false);
    std::size_t at = 0;
    for (int v = 1; v <= 4; ++v) {
        at = html.find(around(">Вариант ", std::to_string(v), "<"), at);
        ASSERT_NE(at, std::string::npos) << v;
        for (const SheetProblem& problem : set.variant(v, 3)) {
            at = html.find(around(">", escapedHtml(problem.sentence()), "<"), at);
            ASSERT_NE(at, std::string::npos) << "variant " << v << ": " << problem.sentence();
        }
    }
}

}  // namespace
}  // namespace worksheets
