#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "engine/scenario_templates.h"
#include "form_fixture.h"

namespace engine::testing {
namespace {

constexpr const char* kHeading = "Примерен текст на условие:";

struct SentenceRow {
    const char* name;
    ProblemDraws draws;
    const char* sentence;
};

void PrintTo(const SentenceRow& row, std::ostream* out) { *out << row.name; }

class ProblemSentenceTest : public FormTest, public ::testing::WithParamInterface<SentenceRow> {};

TEST_P(ProblemSentenceTest, WritesHeadingSentenceAndQuestion) {
    pose(GetParam().draws);
    EXPECT_EQ(transcript(),
              std::string(kHeading) + "\r\n" + GetParam().sentence + "\r\n" + "X = ?\r\n");
    EXPECT_EQ(form_.UnknownIndex(), GetParam().draws.unknown);
    EXPECT_EQ(window_.options.selected(), GetParam().draws.unknown - 1);
    EXPECT_EQ(random_.remaining(), 0u) << "a problem takes exactly eight draws";
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, ProblemSentenceTest,
    ::testing::Values(
        SentenceRow{"UnknownInFirstSituation",
                    {{7, 5, 12}, {1, 0, 2}, 2, 1},
                    "Ако 7 крана за X часа преместват 12 тона товар, то 28 крана за 10 часа ще "
                    "преместят 96 тона товар."},
        SentenceRow{"UnknownInSecondSituation",
                    {{7, 5, 12}, {1, 0, 2}, 5, 1},
                    "7 крана за 5 часа преместват 12 тона товар, ако 28 крана за X часа ще "
                    "преместят 96 тона товар."},
        SentenceRow{"UnknownRightAfterTheConnector",
                    {{7, 5, 12}, {1, 0, 2}, 4, 1},
                    "7 крана за 5 часа преместват 12 тона товар, ако X крана за 10 часа ще "
                    "преместят 96 тона товар."},
        SentenceRow{"UnknownLast",
                    {{7, 5, 12}, {1, 0, 2}, 6, 16},
                    "7 лекаря за 5 часа преглеждат 12 пациента, ако 28 лекаря за 10 часа ще "
                    "прегледат X пациента."},
        SentenceRow{"ScenarioNineEndsWithABlank",
                    {{3, 4, 5}, {0, 0, 0}, 3, 9},
                    "Ако 3 машини за 4 часа поливат поле от X декара, то 6 машини за 8 часа ще "
                    "полеят поле от 10 декара. "},
        SentenceRow{"ScenarioTenAsWritten",
                    {{10, 11, 12}, {3, 2, 1}, 1, 10},
                    "Ако X трьби за 11 часа пьлнят басейн от 12 кубика, то 160 трьби за 88 часа "
                    "ще напьлнят басейн от 48 кубика."},
        SentenceRow{"AllDrawsZero",
                    {{3, 3, 3}, {0, 0, 0}, 1, 1},
                    "Ако X крана за 3 часа преместват 3 тона товар, то 6 крана за 6 часа ще "
                    "преместят 6 тона товар."},
        SentenceRow{"LargestValues",
                    {{19, 19, 19}, {3, 3, 3}, 2, 11},
                    "Ако 19 тъкачки за X дена изтъкават 19 килима, то 304 тъкачки за 304 дена "
                    "ще изтъкат 304 килима."}),
    [](const auto& info) { return std::string(info.param.name); });

// The shape every scenario shares, so a slip in any of the sixteen shows without a second copy
// of the table: fragments start with a blank, 1 and 4 name the same agents, 5 is the future of
// 2, and 6 closes 3 with a full stop (scenario 9 with a blank after it).
TEST(ScenarioTemplatesTest, EveryScenarioHasTheSentenceShape) {
    for (int s = 1; s <= kScenarioCount; ++s) {
        const ScenarioTemplate& fragments = scenarioTemplates()[s - 1];
        for (const std::string_view fragment : fragments) {
            EXPECT_EQ(fragment.front(), ' ') << "scenario " << s;
        }
        EXPECT_EQ(fragments[0], fragments[3]) << "scenario " << s;
        EXPECT_NE(fragments[4].find(" ще "), std::string_view::npos) << "scenario " << s;
        EXPECT_EQ(fragments[5], std::string(fragments[2]) + (s == 9 ? ". " : "."))
            << "scenario " << s;
    }
}

TEST_F(FormTest, DrawOfHundredGivesEighteenPositionFiveAndScenarioFive) {
    random_.queuePercents({100, 100, 100, 100, 100, 100, 100, 100});
    form_.commandClick(kMakeProblemCommand);

    EXPECT_EQ(window_.List1[0].items(),
              (std::vector<std::string>{"18", "18", "18", "36", "36", "36"}));
    EXPECT_EQ(form_.UnknownIndex(), 5);
    EXPECT_EQ(lines().at(1),
              "18 човека за 18 часа окосяват пасище от 18 декара, ако 36 човека за X часа ще "
              "окосят пасище от 36 декара.");
}

TEST_F(FormTest, NewProblemReplacesEverythingBefore) {
    window_.Text1.setText("бележки на ученика\r\n");
    pose({{7, 5, 12}, {1, 0, 2}, 2, 16});
    solve();
    pose({{5, 12, 7}, {1, 0, 3}, 4, 1});
    pose({{3, 4, 5}, {0, 1, 2}, 6, 3});  // twice in a row: only the second problem stays

    EXPECT_EQ(lines(), (std::vector<std::string>{
                           kHeading,
                           "3 касиерки за 4 часа обслужват 5 клиента, ако 6 касиерки за 16 часа "
                           "ще обслужат X клиента.",
                           "X = ?"}));
    EXPECT_EQ(window_.options.selected(), 5);
    EXPECT_TRUE(solveEnabled());
}

}  // namespace
}  // namespace engine::testing
