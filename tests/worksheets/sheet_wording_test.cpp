#include "worksheets/sheet_wording.h"

#include <gtest/gtest.h>

#include <array>
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>

#include "engine/number_text.h"
#include "worksheets/worked_solution.h"

namespace worksheets {
namespace {

TEST(SheetWordingTest, UnitsAgreeWithTheirNumbers) {
    for (const ScenarioWording& scenario : sheetScenarios()) {
        for (const QuantityWords& words : scenario.quantities) {
            EXPECT_FALSE(words.one.empty());
            EXPECT_EQ(unitAfter(words, "1"), words.one);
            EXPECT_EQ(unitAfter(words, "2,5"), words.many);
            // Only a cubic metre is written the same whatever its number.
            EXPECT_EQ(words.one == words.many, words.one.starts_with("куб. м")) << words.one;
            // Headings open with a capital, А to Я.
            const std::string_view first = words.heading.substr(0, 2);
            EXPECT_TRUE(first >= "А" && first <= "Я") << words.heading;
        }
    }
}

// Everything the sheets change in the window's words: any other difference is a slip in one of
// the two tables. Only scenario 9 ends with a blank.
constexpr std::pair<std::string_view, std::string_view> kCorrections[] = {
    {"трьби", "тръби"},       {"пьлнят", "пълнят"}, {"ще прочитат", "ще прочетат"},
    {"миньора", "миньори"},   {"берача", "берачи"}, {"дървосекача", "дървосекачи"},
    {"ученика", "ученици"},   {"лекаря", "лекари"}, {"клиента", "клиенти"},
    {"пациента", "пациенти"}, {"кубика", "куб. м"}, {" декара. ", " декара."},
};

TEST(SheetWordingTest, IsTheWindowsWithTheCorrectionsAlone) {
    for (std::size_t s = 0; s < engine::kScenarioCount; ++s) {
        for (std::size_t i = 0; i < engine::kFragmentCount; ++i) {
            std::string fragment(engine::scenarioTemplates()[s][i]);
            for (const auto& [from, to] : kCorrections) {
                for (std::size_t at = fragment.find(from); at != std::string::npos;
                     at = fragment.find(from, at + to.size())) {
                    fragment.replace(at, from.size(), to);
                }
            }
            EXPECT_EQ(fragment, sheetFragments(static_cast<int>(s) + 1)[i])
                << "scenario " << s + 1 << " fragment " << i + 1;
        }
    }
}

// A ratio turned the wrong way round reads as well as the right one, so the chain is multiplied
// out exactly and held against the solver's fraction, for every position X takes.
TEST(WorkedSolutionTest, ChainMultipliesOutToTheExactAnswer) {
    std::bitset<engine::kQuantityCount + 1> unknowns;
    for (std::uint32_t n = 0; n < 50; ++n) {
        const std::uint32_t number = n * 572'583u;  // across all codes
        const ProblemChoices choices{n % 2 == 1, static_cast<Sought>(n % 4)};
        for (const SheetCode& code :
             {SheetCode::fromNumber(number), SheetCode::fromNumber(number, choices)}) {
            for (int variant = 1; variant <= 3; ++variant) {
                for (const SheetProblem& p : ProblemSet(code).variant(variant, 20)) {
                    const std::string made = workedSolution(p).chain;
                    // "X = k · a/b · c/d = value", read as words between blanks.
                    std::istringstream words(made);
                    std::string x, is, times, by, equals, value;
                    char over = 0, under = 0;
                    std::int64_t k = 0, a = 0, b = 0, c = 0, d = 0;
                    words >> x >> is >> k >> times >> a >> over >> b >> by >> c >> under >> d >>
                        equals >> value;
                    ASSERT_TRUE(words && x == "X" && is == "=" && times == "·" && by == "·" &&
                                over == '/' && under == '/' && equals == "=")
                        << made;
                    EXPECT_EQ(k * a * c * p.solution.denominatorProduct,
                              b * d * p.solution.numeratorProduct)
                        << made;
                    EXPECT_EQ(value, engine::answerText(p.solution.value(), ",")) << made;
                    unknowns.set(static_cast<std::size_t>(p.problem.unknown));
                }
            }
        }
    }
    EXPECT_EQ(unknowns.count(), std::size_t{engine::kQuantityCount});
}

// The textbook's cranes: 7 cranes move 12 t in 5 h, 28 cranes 96 t in 10 h.
TEST(WorkedSolutionTest, CranesReadAsTheTextbookSolvesThem) {
    constexpr std::array<std::int32_t, engine::kQuantityCount> kNumbers = {7, 5, 12, 28, 10, 96};
    constexpr std::string_view kInverse =
        "При един и същ товар: повече кранове – по-малко часове, обратна пропорционалност.";
    const struct {
        int unknown;
        std::string_view chain, answer, firstStep;
    } rows[] = {{2, "X = 10 · 28/7 · 12/96 = 5", "Отговор: 5 часа", kInverse},
                {5, "X = 5 · 7/28 · 96/12 = 10", "Отговор: 10 часа", kInverse},
                {3, "X = 96 · 7/28 · 5/10 = 12", "Отговор: 12 тона товар",
                 "За едно и също време: повече кранове – повече товар, права пропорционалност."}};
    for (const auto& row : rows) {
        const WorkedSolution made = workedSolution(
            {engine::makeProblem(1, row.unknown, kNumbers), engine::solve(row.unknown, kNumbers)});
        EXPECT_EQ(made.chain, row.chain);
        EXPECT_EQ(made.answer, row.answer) << row.chain;
        EXPECT_EQ(made.steps[0].words, row.firstStep) << row.chain;
    }
}

// What a printed sheet promises: these texts for these codes, on every build, in every version.
TEST(WorkedSolutionTest, SheetsAreTheSameEverywhereAndEveryYear) {
    const struct {
        std::string_view code;
        int variant, problem;
        std::string_view sentence, chain, answer;
    } rows[] = {
        {"22EV97RQ", 1, 2,
         "Ако 7 дървосекачи за 12 часа събират 9 куб. м дървесина, то 14 дървосекачи за X часа ще "
         "съберат 144 куб. м дървесина.",
         "X = 12 · 7/14 · 144/9 = 96", "Отговор: 96 часа"},
        {"22EV99MS", 2, 5,
         "Ако 14 касиерки за 11 часа обслужват 14 клиенти, то 28 касиерки за 88 часа ще обслужат "
         "X клиенти.",
         "X = 14 · 28/14 · 88/11 = 224", "Отговор: 224 клиенти"},
        {"3CFPS6", 1, 2,
         "Ако 11 тръби за 8 часа пълнят басейн от X куб. м, то 88 тръби за 32 часа ще напълнят "
         "басейн от 40 куб. м.",
         "X = 40 · 11/88 · 8/32 = 1,25", "Отговор: 1,25 куб. м"}};
    for (const auto& row : rows) {
        const SheetProblem made =
            ProblemSet(SheetCode::read(row.code).value()).problem(row.variant, row.problem);
        EXPECT_EQ(made.sentence(), row.sentence) << row.code;
        EXPECT_EQ(workedSolution(made).chain, row.chain) << row.code;
        EXPECT_EQ(workedSolution(made).answer, row.answer) << row.code;
    }
}

}  // namespace
}  // namespace worksheets
