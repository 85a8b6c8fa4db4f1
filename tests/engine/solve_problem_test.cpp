#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "form_fixture.h"

namespace engine::testing {
namespace {

// A, B, C = 5, 12, 7 and D, E, F = 20, 24, 112.
ProblemDraws workedExample(int unknown) { return {{5, 12, 7}, {1, 0, 3}, unknown, 4}; }

struct PositionRow {
    int unknown;
    const char* values;  // the line of known values, without its CR LF
    const char* answer;  // the last line, without its CR LF
};

void PrintTo(const PositionRow& row, std::ostream* out) { *out << "unknown " << row.unknown; }

class UnknownPositionTest : public FormTest, public ::testing::WithParamInterface<PositionRow> {};

TEST_P(UnknownPositionTest, ListsTheKnownValuesAndSolvesForTheUnknown) {
    pose(workedExample(GetParam().unknown));
    const std::string posed = transcript();
    solve();

    EXPECT_EQ(transcript(),
              posed + GetParam().values + "\r\n\r\nОтговор: \r\n" + GetParam().answer + "\r\n");
}

INSTANTIATE_TEST_SUITE_P(
    AllSix, UnknownPositionTest,
    ::testing::Values(PositionRow{1, "B = 12; C = 7; D = 20; E = 24; F = 112; ",
                                  "X = (7 * 20 * 24) / (12 * 112) = 2.5"},
                      PositionRow{2, "A = 5; C = 7; D = 20; E = 24; F = 112; ",
                                  "X = (7 * 20 * 24) / (5 * 112) = 6"},
                      PositionRow{3, "A = 5; B = 12; D = 20; E = 24; F = 112; ",
                                  "X = (5 * 12 * 112) / (20 * 24) = 14"},
                      PositionRow{4, "A = 5; B = 12; C = 7; E = 24; F = 112; ",
                                  "X = (5 * 12 * 112) / (7 * 24) = 40"},
                      PositionRow{5, "A = 5; B = 12; C = 7; D = 20; F = 112; ",
                                  "X = (5 * 12 * 112) / (7 * 20) = 48"},
                      PositionRow{6, "A = 5; B = 12; C = 7; D = 20; E = 24; ",
                                  "X = (7 * 20 * 24) / (5 * 12) = 56"}),
    [](const auto& info) { return "Unknown" + std::to_string(info.param.unknown); });

class DecimalCommaTest : public FormTest {
protected:
    DecimalCommaTest() : FormTest(",") {}
};

TEST_F(DecimalCommaTest, FractionalAnswerUsesTheLocaleSeparator) {
    pose(workedExample(1));
    solve();
    EXPECT_EQ(lines().back(), "X = (7 * 20 * 24) / (12 * 112) = 2,5");
}

TEST_F(FormTest, SmallestAnswerIsWrittenInFull) {
    pose({{19, 19, 3}, {3, 3, 0}, 3, 1});  // C = (19 * 19 * 6) / (304 * 304)
    solve();
    EXPECT_EQ(lines().back(), "X = (19 * 19 * 6) / (304 * 304) = 0.0234375");
}

TEST_F(FormTest, LargestValuesSolveWithoutOverflowAtEveryPosition) {
    const std::vector<std::string> answers = {"304", "304", "1.1875", "19", "19", "4864"};
    for (int unknown = 1; unknown <= 6; ++unknown) {
        pose({{19, 19, 19}, {3, 3, 3}, unknown, 1});
        ASSERT_NO_THROW(solve()) << "unknown " << unknown;
        const std::string last = lines().back();
        EXPECT_EQ(last.substr(last.rfind(" = ") + 3), answers[unknown - 1]) << last;
    }
}

TEST_F(FormTest, UnknownIndexOutOfRangeWritesNoFormulaAndZero) {
    ASSERT_EQ(form_.UnknownIndex(), 0);  // no problem made yet; the placeholders are in the list
    form_.SolveProblem();
    EXPECT_EQ(transcript(),
              "A = 11; B = 12; C = 13; D = 14; E = 15; F = 16; \r\n\r\nОтговор: \r\nX =  = 0\r\n");
}

TEST_F(FormTest, SolutionContinuesWhatTheUserTyped) {
    pose(workedExample(4));
    const std::string posed = transcript();

    window_.Text1.setText(posed + "моят отговор: 40\r\n");
    solve();
    EXPECT_EQ(lines().at(3), "моят отговор: 40");
    EXPECT_EQ(lines().at(4), "A = 5; B = 12; C = 7; E = 24; F = 112; ");

    pose(workedExample(4));
    window_.Text1.setText(posed.substr(0, posed.size() - 2));  // the final CR LF removed
    solve();
    EXPECT_EQ(lines().at(2), "X = ?A = 5; B = 12; C = 7; E = 24; F = 112; ");
}

TEST_F(FormTest, HandSelectedOptionDoesNotChangeWhatIsSolved) {
    pose(workedExample(4));
    window_.Option1[0].select();
    solve();
    EXPECT_EQ(form_.UnknownIndex(), 4);
    EXPECT_EQ(lines().back(), "X = (5 * 12 * 112) / (7 * 24) = 40");
}

}  // namespace
}  // namespace engine::testing
