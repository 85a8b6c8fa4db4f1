#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <ostream>
#include <string>
#include <system_error>
#include <vector>

#include "engine/checked_arithmetic.h"
#include "engine/decimal_reading.h"
#include "engine/draw_percent.h"
#include "engine/number_text.h"
#include "engine/runtime_error.h"

namespace engine {
namespace {

struct OneValueSource final : UniformSource {
    explicit OneValueSource(float value) : value(value) {}
    float next() override { return value; }
    float value;
};

struct DrawRow {
    float r;
    int expected;
};

void PrintTo(const DrawRow& row, std::ostream* out) { *out << "r = " << row.r; }

class DrawPercentTest : public ::testing::TestWithParam<DrawRow> {};

TEST_P(DrawPercentTest, RoundsTheExactProductHalfToEven) {
    OneValueSource source(GetParam().r);
    EXPECT_EQ(DrawPercent(source), GetParam().expected) << "r = " << GetParam().r;
}

INSTANTIATE_TEST_SUITE_P(
    Draws, DrawPercentTest,
    ::testing::Values(DrawRow{0.0f, 0}, DrawRow{0.0049f, 0}, DrawRow{0.0051f, 1},
                      DrawRow{0.125f, 12},  // exactly 12.5: ties go to the even neighbour
                      DrawRow{0.375f, 38},
                      // 0.025f is a little above 0.025: the exact product is above 2.5, though
                      // rounding it to single precision would give a tie and 2.
                      DrawRow{0.025f, 3}, DrawRow{0.99f, 99}, DrawRow{0.995f, 100},
                      DrawRow{std::nextafter(1.0f, 0.0f), 100}));  // the largest value below 1

struct RoundRow {
    double value;
    std::optional<int> int16;  // empty: the conversion overflows
    std::optional<long long> int32;
};

void PrintTo(const RoundRow& row, std::ostream* out) { *out << row.value; }

class RoundingTest : public ::testing::TestWithParam<RoundRow> {};

TEST_P(RoundingTest, RoundsHalfToEvenAndChecksTheRange) {
    const RoundRow& row = GetParam();
    if (row.int16) {
        EXPECT_EQ(roundToInt16(row.value), *row.int16);
    } else {
        EXPECT_THROW(roundToInt16(row.value), RuntimeError);
    }
    if (row.int32) {
        EXPECT_EQ(roundToInt32(row.value), *row.int32);
    } else {
        EXPECT_THROW(roundToInt32(row.value), RuntimeError);
    }
}

constexpr double kInfinity = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Values, RoundingTest,
    ::testing::Values(RoundRow{304.0, 304, 304}, RoundRow{2.5, 2, 2}, RoundRow{3.5, 4, 4},
                      RoundRow{-2.5, -2, -2}, RoundRow{2.5001, 3, 3},
                      RoundRow{32767.49, 32767, 32767}, RoundRow{32767.5, {}, 32768},
                      RoundRow{-32768.5, -32768, -32768}, RoundRow{-32769.0, {}, -32769},
                      RoundRow{2147483647.4, {}, 2147483647}, RoundRow{2147483647.5, {}, {}},
                      RoundRow{-2147483648.5, {}, -2147483648LL}, RoundRow{kInfinity, {}, {}},
                      RoundRow{std::nan(""), {}, {}}));

TEST(CheckedMultiplyTest, ThrowsInsteadOfWrapping) {
    EXPECT_EQ(checkedMultiply(19 * 304, 304), 1755904);
    EXPECT_THROW(checkedMultiply(46341, 46341), RuntimeError);
    EXPECT_THROW(checkedMultiply(-2147483647 - 1, -1), RuntimeError);
}

struct ParseRow {
    const char* text;
    std::optional<double> value;  // empty: not a number
};

void PrintTo(const ParseRow& row, std::ostream* out) { *out << '"' << row.text << '"'; }

class ParseDecimalTest : public ::testing::TestWithParam<ParseRow> {};

TEST_P(ParseDecimalTest, AcceptsOnlyDecimalNumbers) {
    const ParseRow& row = GetParam();
    if (row.value) {
        EXPECT_EQ(parseDecimal(row.text), *row.value);
        return;
    }
    try {
        parseDecimal(row.text);
        ADD_FAILURE() << '"' << row.text << "\" was taken for a number";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.kind(), ErrorKind::NotANumber);
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, ParseDecimalTest,
                         ::testing::Values(ParseRow{"304", 304}, ParseRow{" 7 ", 7},
                                           ParseRow{"-3", -3}, ParseRow{"2.5", 2.5},
                                           ParseRow{"", {}}, ParseRow{"abc", {}},
                                           ParseRow{"12a", {}}, ParseRow{"1,5", {}},
                                           ParseRow{"inf", {}}, ParseRow{"-nan", {}},
                                           ParseRow{"+-1", {}}, ParseRow{"1 2", {}},
                                           ParseRow{"1e999x", {}}, ParseRow{"-1e999 ?", {}}));

TEST(ParseDecimalTest, MagnitudeBeyondDoubleIsAnOverflow) {
    for (const char* text : {"1e999", " -1e999 ", "1e-999"}) {
        try {
            parseDecimal(text);
            ADD_FAILURE() << '"' << text << "\" was taken for a number";
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.kind(), ErrorKind::Overflow) << text;
        }
    }
}

struct AnswerRow {
    double value;
    const char* separator;
    const char* expected;
};

void PrintTo(const AnswerRow& row, std::ostream* out) {
    *out << row.value << " with " << row.separator;
}

class AnswerTextTest : public ::testing::TestWithParam<AnswerRow> {};

TEST_P(AnswerTextTest, ShowsTheShortestFormWithFifteenDigitsAtMost) {
    const AnswerRow& row = GetParam();
    EXPECT_EQ(answerText(row.value, row.separator), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, AnswerTextTest,
    ::testing::Values(AnswerRow{40, ".", "40"}, AnswerRow{2.5, ".", "2.5"},
                      AnswerRow{2.5, ",", "2,5"}, AnswerRow{0.0234375, ".", "0.0234375"},
                      AnswerRow{0.0234375, ",", "0,0234375"}, AnswerRow{1755904, ",", "1755904"},
                      AnswerRow{0, ".", "0"}, AnswerRow{-0.0, ".", "0"},
                      AnswerRow{-2.5, ".", "-2.5"}, AnswerRow{0.1 + 0.2, ".", "0.3"},
                      AnswerRow{2.0 / 3, ".", "0.666666666666667"}, AnswerRow{100.0, ".", "100"},
                      AnswerRow{999999999999999.0, ".", "999999999999999"},
                      AnswerRow{1.5e20, ",", "1,5E+20"}, AnswerRow{-1.25e-123, ".", "-1.25E-123"}));

// Decimal text read to the nearest double, ties to even, against the standard library's reading
// where it has one: the edges of the range, subnormals, exact ties and digits past any double's
// precision, then texts of every shape drawn by a fixed generator.
TEST(ReadDecimalTest, RoundsAsTheStandardLibraryDoes) {
    std::vector<std::string> texts = {"0.1",
                                      "2.5",
                                      "-7.25e1",
                                      "1e23",
                                      "8.98846567431158e307",
                                      "1.7976931348623157e308",
                                      "1.7976931348623158e308",
                                      "2.2250738585072011e-308",
                                      "2.2250738585072014e-308",
                                      "4.9406564584124654e-324",
                                      "2.4703282292062328e-324",
                                      "9007199254740993",
                                      "9007199254740995",
                                      "9007199254740993.0000000000000000000000000000000000000001",
                                      "1.00000000000000011102230246251565404236316680908203125",
                                      "1.00000000000000011102230246251565404236316680908203124",
                                      "0.000001e-300",
                                      ".5",
                                      "5.",
                                      "00012.500e+2",
                                      "123456789012345678901234567890e-20"};
    std::uint64_t state = 20261211;
    const auto next = [&state](std::uint64_t below) {
        state = state * 6364136223846793005u + 1442695040888963407u;
        return (state >> 33) % below;
    };
    for (int i = 0; i < 20000; ++i) {
        // Appended piece by piece, as GCC 12 warns falsely of overlapping copies in insert().
        std::string text = next(2) == 0 ? "-" : "";
        std::string digits;
        for (std::uint64_t count = 1 + next(next(4) == 0 ? 40 : 18); count > 0; --count) {
            digits += static_cast<char>('0' + next(10));
        }
        const std::size_t point = digits.size() - next(digits.size() + 1);
        text.append(digits, 0, point);
        text += next(2) == 0 ? "." : "";
        text.append(digits, point);
        text += 'e';
        text += std::to_string(static_cast<int>(next(640)) - 340);
        texts.push_back(text);
    }
    for (const std::string& text : texts) {
        const DecimalReading read = readDecimal(text);
        EXPECT_EQ(read.length, text.size()) << text;
        if (text.find_first_of("123456789") > text.find_first_of("eE")) {
            EXPECT_EQ(read.error, std::errc{}) << text;
            EXPECT_EQ(read.value, 0) << text;
            continue;
        }
#if defined(__cpp_lib_to_chars) && __cpp_lib_to_chars >= 201611L
        double expected = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), expected);
        if (error == std::errc{} && expected != 0 && std::isfinite(expected)) {
            EXPECT_EQ(read.error, std::errc{}) << text;
            EXPECT_EQ(read.value, expected) << text;
        } else {
            EXPECT_EQ(read.error, std::errc::result_out_of_range) << text;
        }
#endif
    }
    EXPECT_EQ(readDecimal("4.9406564584124654e-324").value,
              std::numeric_limits<double>::denorm_min());
    EXPECT_EQ(readDecimal("2.4703282292062327e-324").error, std::errc::result_out_of_range);
    EXPECT_EQ(readDecimal("1.7976931348623159e308").error, std::errc::result_out_of_range);
    EXPECT_EQ(readDecimal("12e").length, 2u);
    std::string tiny(200002, '0');  // 0.000…1 times 10^200001
    tiny[1] = '.';
    tiny += "1e200001";
    EXPECT_EQ(readDecimal(tiny).value, 1);
    EXPECT_EQ(readDecimal("-.e5").error, std::errc::invalid_argument);
}

}  // namespace
}  // namespace engine
