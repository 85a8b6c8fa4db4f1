#include <gtest/gtest.h>

#include <iterator>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/runtime_error.h"
#include "form_fixture.h"

namespace engine::testing {
namespace {

TEST_F(FormTest, TypicalRunMakesAndSolvesOneProblem) {
    EXPECT_FALSE(solveEnabled()) << "loading disables the solve button";
    EXPECT_EQ(window_.options.selected(), in_memory::OptionGroup::kNoSelection);

    pose({{7, 5, 12}, {1, 0, 2}, 2, 16});
    const std::string posed =
        "Примерен текст на условие:\r\n"
        "Ако 7 лекаря за X часа преглеждат 12 пациента, то 28 лекаря за 10 часа ще прегледат "
        "96 пациента.\r\n"
        "X = ?\r\n";
    EXPECT_EQ(transcript(), posed);
    EXPECT_EQ(window_.options.selected(), 1);  // "B"
    EXPECT_TRUE(solveEnabled());

    solve();
    EXPECT_EQ(transcript(), posed +
                                "A = 7; C = 12; D = 28; E = 10; F = 96; \r\n"
                                "\r\n"
                                "Отговор: \r\n"
                                "X = (12 * 28 * 10) / (7 * 96) = 5\r\n");
    EXPECT_FALSE(solveEnabled());
}

class OtherIndexTest : public FormTest, public ::testing::WithParamInterface<int> {};

TEST_P(OtherIndexTest, DoesNothing) {
    pose({{7, 5, 12}, {1, 0, 2}, 2, 16});
    const std::string before = transcript();
    form_.commandClick(GetParam());
    EXPECT_EQ(transcript(), before);
    EXPECT_TRUE(solveEnabled());
    EXPECT_EQ(form_.UnknownIndex(), 2);
}

INSTANTIATE_TEST_SUITE_P(Indexes, OtherIndexTest, ::testing::Values(-1, 2));

struct SolveErrorRow {
    const char* name;
    const char* numbers;  // the items of the numbers list, separated by blanks
    ErrorKind kind;
    const char* written;  // what the failed solve appended
};

void PrintTo(const SolveErrorRow& row, std::ostream* out) { *out << row.name; }

class SolveErrorTest : public FormTest, public ::testing::WithParamInterface<SolveErrorRow> {};

TEST_P(SolveErrorTest, StopsWhereItFailedAndLeavesSolveEnabled) {
    pose({{5, 12, 7}, {1, 0, 3}, 4, 1});
    const std::string posed = transcript();
    std::istringstream numbers(GetParam().numbers);
    window_.List1[0].items() = {std::istream_iterator<std::string>(numbers), {}};

    try {
        solve();
        FAIL() << "no run-time error";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.kind(), GetParam().kind) << error.what();
    }
    EXPECT_EQ(transcript(), posed + GetParam().written);
    EXPECT_TRUE(solveEnabled());
}

INSTANTIATE_TEST_SUITE_P(
    Faults, SolveErrorTest,
    ::testing::Values(
        SolveErrorRow{"NotANumber", "5 12 седем 20 24 112", ErrorKind::NotANumber,
                      "A = 5; B = 12; "},
        SolveErrorRow{"UnknownsItemNotANumber", "5 12 7 ? 24 112", ErrorKind::NotANumber,
                      "A = 5; B = 12; C = 7; "},
        SolveErrorRow{"MissingItem", "5 12 7 20 24", ErrorKind::IndexOutOfRange,
                      "A = 5; B = 12; C = 7; E = 24; "},
        SolveErrorRow{"BeyondThirtyTwoBits", "5 3000000000 7 20 24 112", ErrorKind::Overflow,
                      "A = 5; "},
        SolveErrorRow{"ProductOverflows", "5000 12000 7 20 24 112000", ErrorKind::Overflow,
                      "A = 5000; B = 12000; C = 7; E = 24; F = 112000; \r\n\r\nОтговор: \r\nX = "},
        SolveErrorRow{"ZeroDenominator", "5 12 0 20 24 112", ErrorKind::DivisionByZero,
                      "A = 5; B = 12; C = 0; E = 24; F = 112; \r\n\r\nОтговор: \r\nX = "}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FormTest, FailedProblemLeavesSolveDisabled) {
    window_.List1[16].items().pop_back();  // scenario 16 lost its last fragment
    queue({{7, 5, 12}, {1, 0, 2}, 2, 16});

    EXPECT_THROW(form_.commandClick(kMakeProblemCommand), RuntimeError);
    EXPECT_FALSE(solveEnabled());
    EXPECT_EQ(transcript(), "Примерен текст на условие:\r\n");
}

}  // namespace
}  // namespace engine::testing
