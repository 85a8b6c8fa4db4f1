#include "worksheets/problem_set.h"

#include <gtest/gtest.h>

#include <array>
#include <bitset>
#include <cstdint>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "engine/in_memory/scripted_random_source.h"
#include "engine/number_text.h"
#include "engine/scenario_templates.h"
#include "worksheets/problem_draw.h"
#include "worksheets/sheet_random_source.h"

namespace worksheets {
namespace {

SheetCode code(std::string_view text) {
    const std::optional<SheetCode> read = SheetCode::read(text);
    if (!read) {
        throw std::invalid_argument("not a code");
    }
    return *read;
}

// A problem's texts as the window writes them.
struct WindowLines {
    std::string sentence;
    std::string knownValues;
    std::string answer;

    friend bool operator==(const WindowLines&, const WindowLines&) = default;
};

void PrintTo(const WindowLines& lines, std::ostream* out) {
    *out << lines.sentence << " | " << lines.knownValues << " | " << lines.answer;
}

// What a shared link promises: these texts, on every build, in every later version.
struct GoldenRow {
    std::string_view code;
    int variant;
    int problem;
    WindowLines expected;
};

void PrintTo(const GoldenRow& row, std::ostream* out) {
    *out << row.code << " variant " << row.variant << " problem " << row.problem;
}

class GoldenProblemTest : public ::testing::TestWithParam<GoldenRow> {};

TEST_P(GoldenProblemTest, IsTheSameEverywhereAndEveryYear) {
    const GoldenRow& row = GetParam();
    const SheetProblem made = ProblemSet(code(row.code)).problem(row.variant, row.problem);
    EXPECT_EQ((WindowLines{made.problem.sentence, made.knownValuesLine(), made.answerLine()}),
              row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    TwoCodes, GoldenProblemTest,
    ::testing::Values(
        GoldenRow{"3CFPS6",
                  1,
                  1,
                  {"4 миньора за 12 часа изкопават 6 кубика руда, ако 8 миньора за X часа ще "
                   "изкопаят 12 кубика руда.",
                   "A = 4; B = 12; C = 6; D = 8; F = 12; ", "X = (4 * 12 * 12) / (6 * 8) = 12"}},
        GoldenRow{
            "3CFPS6",
            1,
            2,
            {"Ако 11 трьби за 8 часа пьлнят басейн от X кубика, то 88 трьби за 32 часа ще "
             "напьлнят басейн от 40 кубика.",
             "A = 11; B = 8; D = 88; E = 32; F = 40; ", "X = (11 * 8 * 40) / (88 * 32) = 1,25"}},
        GoldenRow{
            "3CFPS6",
            2,
            1,
            {"8 машини за 17 дена изработват 11 детайла, ако X машини за 34 дена ще "
             "изработят 44 детайла.",
             "A = 8; B = 17; C = 11; E = 34; F = 44; ", "X = (8 * 17 * 44) / (11 * 34) = 16"}},
        GoldenRow{
            "3CFPS6",
            40,
            20,
            {"12 берача за 13 часа набират 10 тона ябълки, ако X берача за 52 часа ще "
             "наберат 40 тона ябълки.",
             "A = 12; B = 13; C = 10; E = 52; F = 40; ", "X = (12 * 13 * 40) / (10 * 52) = 12"}},
        GoldenRow{
            "QY5GFR",
            1,
            1,
            {"3 дървосекача за 19 часа събират 19 кубика дървесина, ако X дървосекача за "
             "304 часа ще съберат 152 кубика дървесина.",
             "A = 3; B = 19; C = 19; E = 304; F = 152; ", "X = (3 * 19 * 152) / (19 * 304) = 1,5"}},
        GoldenRow{"QY5GFR",
                  1,
                  17,
                  {"7 трактора за 5 часа изорават нива от 5 декара, ако 28 трактора за 80 часа ще "
                   "изорат нива от X декара.",
                   "A = 7; B = 5; C = 5; D = 28; E = 80; ", "X = (5 * 28 * 80) / (7 * 5) = 320"}},
        GoldenRow{
            "QY5GFR",
            26,
            5,
            {"9 лекаря за 9 часа преглеждат 17 пациента, ако 144 лекаря за 18 часа ще "
             "прегледат X пациента.",
             "A = 9; B = 9; C = 17; D = 144; E = 18; ", "X = (17 * 144 * 18) / (9 * 9) = 544"}}));

struct DrawsRow {
    std::string_view code;
    int variant;
    int problem;
    std::vector<std::uint32_t> first;  // the first values, in units of 2^-24
};

void PrintTo(const DrawsRow& row, std::ostream* out) {
    *out << row.code << " variant " << row.variant << " problem " << row.problem;
}

class SheetDrawsTest : public ::testing::TestWithParam<DrawsRow> {};

// The source alone, so that a change to it shows apart from a change to the generator.
TEST_P(SheetDrawsTest, FollowTheWrittenAlgorithm) {
    SheetRandomSource source(code(GetParam().code), GetParam().variant, GetParam().problem);
    for (const std::uint32_t expected : GetParam().first) {
        EXPECT_EQ(source.next(), static_cast<float>(expected) * 0x1p-24f);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tuples, SheetDrawsTest,
    ::testing::Values(DrawsRow{"3CFPS6", 1, 1, {153550, 12928240, 14803241, 7973325}},
                      DrawsRow{"3CFPS6", 1, 2, {15540053, 9332693, 8898325, 13700012}},
                      DrawsRow{"3CFPS6", 2, 1, {15035193, 5158813, 15563805, 14816811}},
                      DrawsRow{"QY5GFR", 1, 1, {8634888, 5535352, 11178608, 14796267}}));

TEST(ProblemSetTest, ProblemKDependsOnNeitherTheCountNorTheOtherVariants) {
    const ProblemSet set(code("QY5GFR"));
    for (const int variant : {1, 2, 40}) {
        const std::vector<SheetProblem> twenty = set.variant(variant, 20);
        const std::vector<SheetProblem> five = set.variant(variant, 5);
        for (int number = 1; number <= 20; ++number) {
            const auto index = static_cast<std::size_t>(number - 1);
            if (number <= 5) {
                EXPECT_EQ(five[index], twenty[index]) << "variant " << variant << " " << number;
            }
            EXPECT_EQ(set.problem(variant, number), twenty[index])
                << "variant " << variant << " problem " << number;
        }
    }
}

// The scenario a sentence was written from: the one template whose fragments it holds in order.
int scenarioOf(const std::string& sentence) {
    int found = 0;
    for (int scenario = 1; scenario <= engine::kScenarioCount; ++scenario) {
        std::size_t at = 0;
        bool holds = true;
        for (const std::string_view fragment :
             engine::scenarioTemplates()[static_cast<std::size_t>(scenario - 1)]) {
            at = sentence.find(fragment, at);
            if (at == std::string::npos) {
                holds = false;
                break;
            }
            at += fragment.size();
        }
        if (holds) {
            EXPECT_EQ(found, 0) << "two scenarios fit " << sentence;
            found = scenario;
        }
    }
    return found;
}

TEST(ProblemSetTest, NoScenarioComesTwiceInARunOfSixteen) {
    for (const std::uint32_t number : {0u, 77u, 1234567u, 28629150u}) {
        const ProblemSet set(SheetCode::fromNumber(number));
        for (const int variant : {1, 2, 3, 39, 40}) {
            const std::vector<SheetProblem> problems = set.variant(variant, 20);
            std::bitset<engine::kScenarioCount + 1> seen;
            for (std::size_t i = 0; i < problems.size(); ++i) {
                if (i % ProblemSet::kScenarioRound == 0) {
                    seen.reset();
                }
                const int scenario = scenarioOf(problems[i].problem.sentence);
                ASSERT_GT(scenario, 0) << problems[i].problem.sentence;
                EXPECT_EQ(problems[i].problem.scenario, scenario) << problems[i].problem.sentence;
                EXPECT_FALSE(seen.test(static_cast<std::size_t>(scenario)))
                    << set.code().text() << " variant " << variant << " problem " << i + 1;
                seen.set(static_cast<std::size_t>(scenario));
            }
        }
    }
}

TEST(ProblemSetTest, AnswersHaveTheDecimalCommaAndNoPoint) {
    int withFraction = 0;
    const ProblemSet set(code("3CFPS6"));
    for (int variant = 1; variant <= 40; ++variant) {
        for (const SheetProblem& problem : set.variant(variant, 20)) {
            const std::string answer = problem.answerLine();
            EXPECT_EQ(answer.find('.'), std::string::npos) << answer;
            withFraction += answer.find(',') != std::string::npos ? 1 : 0;
        }
    }
    EXPECT_GT(withFraction, 0);
}

ProblemChoices choicesOf(std::uint32_t value) {
    return {(value & 1) != 0, static_cast<Sought>(value >> 1)};
}

// Judged from the written answer and X's column, apart from fitsChoices.
bool allowed(const engine::Problem& problem, ProblemChoices choices) {
    const std::string answer = engine::answerText(engine::solve(problem).value(), ",");
    return (choices.sought == Sought::kAny ||
            (problem.unknown - 1) % 3 + 1 == static_cast<int>(choices.sought)) &&
           (!choices.wholeAnswers || answer.find(',') == std::string::npos);
}

TEST(ProblemSetTest, EveryProblemFitsTheChoicesAndNoScenarioRepeatsInARun) {
    for (const std::uint32_t number : {0u, 12345u, 28629150u}) {
        for (std::uint32_t value = 0; value < 8; ++value) {
            const ProblemSet set(SheetCode::fromNumber(number, choicesOf(value)));
            for (int variant = 1; variant <= 40; ++variant) {
                const std::vector<SheetProblem> problems = set.variant(variant, 20);
                UsedScenarios seen;
                for (std::size_t i = 0; i < problems.size(); ++i) {
                    const engine::Problem& problem = problems[i].problem;
                    const auto scenario = static_cast<std::size_t>(problem.scenario);
                    SCOPED_TRACE(set.code().text() + " " + std::to_string(variant) + " " +
                                 std::to_string(i + 1));
                    EXPECT_TRUE(allowed(problem, choicesOf(value)));
                    EXPECT_EQ(problems[i].solution, engine::solve(problem));
                    if (i % ProblemSet::kScenarioRound == 0) {
                        seen.reset();
                    }
                    EXPECT_FALSE(seen.test(scenario));
                    seen.set(scenario);
                }
            }
        }
    }
}

// Every draw brings scenario 3, already used: once the draws run out, that problem is taken,
// X moved where the choices allow it.
TEST(ProblemSetTest, AtTheBoundOfDrawsTheChoicesStillHold) {
    UsedScenarios used;
    used.set(3);
    for (std::uint32_t value = 0; value < 8; ++value) {
        engine::in_memory::ScriptedRandomSource draws;
        for (int draw = 0; draw < kMostDraws; ++draw) {
            // 7 5 3, 14 10 48, X at A (1,75), scenario 3.
            draws.queuePercents({4, 2, 17, 4, 8, 3, 6, 2});
        }
        const engine::Problem drawn = drawSheetProblem(draws, choicesOf(value), used).problem;
        EXPECT_EQ(draws.remaining(), 0u);
        EXPECT_EQ(drawn.scenario, 3);
        EXPECT_EQ(drawn.numbers, (std::array<std::int32_t, 6>{7, 5, 3, 14, 10, 48}));
        EXPECT_TRUE(allowed(drawn, choicesOf(value))) << value << " X at " << drawn.unknown;
        EXPECT_EQ(drawn, engine::makeProblem(3, drawn.unknown, drawn.numbers));
    }
}

struct NumbersRow {
    int variant;
    int count;
};

class OutOfRangeTest : public ::testing::TestWithParam<NumbersRow> {};

TEST_P(OutOfRangeTest, IsRefused) {
    EXPECT_THROW(ProblemSet(code("3CFPS6")).variant(GetParam().variant, GetParam().count),
                 std::out_of_range);
}

INSTANTIATE_TEST_SUITE_P(Numbers, OutOfRangeTest,
                         ::testing::Values(NumbersRow{0, 1}, NumbersRow{-1, 1},
                                           NumbersRow{65536, 1}, NumbersRow{1, 0},
                                           NumbersRow{1, 65536}));

}  // namespace
}  // namespace worksheets
