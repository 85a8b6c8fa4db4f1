#include "worksheets/answer_check.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cstdint>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace worksheets {
namespace {

std::string repeated(std::string_view piece, std::size_t times) {
    std::string text;
    for (std::size_t i = 0; i < times; ++i) {
        text += piece;
    }
    return text;
}

std::string joined(std::string_view a, std::string_view b, std::string_view c = "") {
    std::string text(a);
    text += b;
    text += c;
    return text;
}

constexpr auto kRight = AnswerVerdict::kRight;
constexpr auto kWrong = AnswerVerdict::kWrong;
constexpr auto kNoAnswer = AnswerVerdict::kNoAnswer;
constexpr auto kNotANumber = AnswerVerdict::kNotANumber;

struct AnswerRow {
    std::string_view expected;  // the problem's answer
    std::string typed;
    AnswerVerdict verdict;
};

void PrintTo(const AnswerRow& row, std::ostream* out) {
    *out << '"' << row.typed.substr(0, 40) << (row.typed.size() > 40 ? "…" : "") << "\" against "
         << row.expected;
}

class AnswerTest : public ::testing::TestWithParam<AnswerRow> {};

TEST_P(AnswerTest, IsJudgedAsATeacherWould) {
    const AnswerRow& row = GetParam();
    EXPECT_EQ(checkAnswer(*readAnswerNumber(row.expected), row.typed), row.verdict);
}

INSTANTIATE_TEST_SUITE_P(
    Accepted, AnswerTest,
    ::testing::Values(
        AnswerRow{"1,25", "1,25", kRight}, AnswerRow{"1,25", "1.25", kRight},
        AnswerRow{"1,25", "01,250000", kRight}, AnswerRow{"1,25", "+1,25", kRight},
        AnswerRow{"1,25", " \t1,25 ", kRight}, AnswerRow{"1,25", "1,25\r\n", kRight},
        AnswerRow{"1,25", "\u00A0\u202F1,25\u2009\n", kRight},
        AnswerRow{"1,25", "X = 1,25", kRight}, AnswerRow{"1,25", "X=1,25", kRight},
        AnswerRow{"1,25", "x =1,25", kRight}, AnswerRow{"1,25", "\u0425 = 1,25", kRight},
        AnswerRow{"1,25", "\u0445=1,25", kRight}, AnswerRow{"1,25", "X\u00A0=\u20091,25", kRight},
        AnswerRow{"1,25", "5/4", kRight}, AnswerRow{"1,25", "10 / 8", kRight},
        AnswerRow{"1,25", "2,5/2", kRight}, AnswerRow{"1,25", "X = 2,5 / 2,0", kRight},
        AnswerRow{"1,25", "0,5/0,4", kRight}, AnswerRow{"1,25", "125/100", kRight},
        AnswerRow{"1,25", "1,26", kWrong}, AnswerRow{"1,25", "125", kWrong},
        AnswerRow{"1,25", "5/3", kWrong}, AnswerRow{"1,25", "4/5", kWrong},
        // exactly, never through floating point
        AnswerRow{"1,25", "1,2499999999999999999", kWrong},
        AnswerRow{"1,25", "1,2500000000000000001", kWrong},
        AnswerRow{"1,25", "125000000000000000001/100000000000000000000", kWrong},
        // products that carry into a limb of their own
        AnswerRow{"1,25", "999 999 999 999 999 999/799 999 999 999 999 999,2", kRight},
        AnswerRow{"1,25", "999999999999999999/799999999999999999,3", kWrong},
        AnswerRow{"0,0234375", "0,0234375", kRight}, AnswerRow{"0,0234375", ",0234375", kRight},
        AnswerRow{"0,0234375", ".0234375", kRight}, AnswerRow{"0,0234375", "3/128", kRight},
        AnswerRow{"0,0234375", "234375/10000000", kRight},
        AnswerRow{"0,0234375", "0,023437", kWrong}, AnswerRow{"0,0234375", "0,0234376", kWrong},
        AnswerRow{"97550", "97550", kRight}, AnswerRow{"97550", "97 550", kRight},
        AnswerRow{"97550", "97\u00A0550", kRight}, AnswerRow{"97550", "97\u202F550", kRight},
        AnswerRow{"97550", "97\u2009550", kRight}, AnswerRow{"97550", "97 550,00", kRight},
        AnswerRow{"97550", "X = 97 550.0", kRight}, AnswerRow{"97550", "195 100 / 2", kRight},
        AnswerRow{"97550", "195 100/2", kRight}, AnswerRow{"97550", "975 500/10", kRight},
        AnswerRow{"97550", "97 551", kWrong}, AnswerRow{"97550", "1 234 567,5", kWrong},
        AnswerRow{"97550", "9755", kWrong}));

INSTANTIATE_TEST_SUITE_P(
    Signs, AnswerTest,
    ::testing::Values(AnswerRow{"1,25", "-1,25", kWrong}, AnswerRow{"1,25", "\u22121,25", kWrong},
                      AnswerRow{"1,25", "- 1,25", kWrong}, AnswerRow{"1,25", "X = -5/4", kWrong},
                      AnswerRow{"-1,25", "-1,25", kRight}, AnswerRow{"-1,25", "\u22125/4", kRight},
                      AnswerRow{"-1,25", "1,25", kWrong}, AnswerRow{"0", "0", kRight},
                      AnswerRow{"0", "-0", kRight}, AnswerRow{"0", "+0,000", kRight},
                      AnswerRow{"0", "\u22120/7", kRight}, AnswerRow{"0", "0,1", kWrong},
                      AnswerRow{"0", "-0,1", kWrong}, AnswerRow{"1,25", "--1,25", kNotANumber},
                      AnswerRow{"1,25", "+-1,25", kNotANumber},
                      AnswerRow{"1,25", "5/-4", kNotANumber},
                      AnswerRow{"1,25", "1,25-", kNotANumber}, AnswerRow{"1,25", "-", kNotANumber},
                      AnswerRow{"1,25", "+", kNotANumber}));

INSTANTIATE_TEST_SUITE_P(
    Refused, AnswerTest,
    ::testing::Values(
        AnswerRow{"1,25", "", kNoAnswer}, AnswerRow{"1,25", " ", kNoAnswer},
        AnswerRow{"1,25", "\t\r\n", kNoAnswer}, AnswerRow{"1,25", "\u00A0\u202F\u2009", kNoAnswer},
        AnswerRow{"1,25", "пет", kNotANumber}, AnswerRow{"1,25", "2,5,1", kNotANumber},
        AnswerRow{"1,25", "1.234.567", kNotANumber}, AnswerRow{"1,25", "1,234,567", kNotANumber},
        AnswerRow{"1,25", "1/0", kNotANumber}, AnswerRow{"1,25", "1 / 0,00", kNotANumber},
        AnswerRow{"1,25", "0/0", kNotANumber}, AnswerRow{"1,25", "5 5", kNotANumber},
        AnswerRow{"97550", "97 55", kNotANumber}, AnswerRow{"97550", "9 755 0", kNotANumber},
        AnswerRow{"97550", "9755 0", kNotANumber}, AnswerRow{"97550", "1234 567", kNotANumber},
        AnswerRow{"97550", "97  550", kNotANumber}, AnswerRow{"97550", "97\t550", kNotANumber},
        AnswerRow{"97550", "97 5500", kNotANumber}, AnswerRow{"97550", "97 550 ,0", kNotANumber},
        AnswerRow{"97550", "97,550 0", kNotANumber},
        AnswerRow{"0,0234375", "0,023 437 5", kNotANumber}, AnswerRow{"1,25", "1e3", kNotANumber},
        AnswerRow{"1,25", "1,25E+00", kNotANumber}, AnswerRow{"1,25", "0x10", kNotANumber},
        AnswerRow{"1,25", "5,", kNotANumber}, AnswerRow{"1,25", "5,/4", kNotANumber},
        AnswerRow{"1,25", ",", kNotANumber}, AnswerRow{"1,25", ".", kNotANumber},
        AnswerRow{"1,25", "/", kNotANumber}, AnswerRow{"1,25", "5/", kNotANumber},
        AnswerRow{"1,25", "/4", kNotANumber}, AnswerRow{"1,25", "5//4", kNotANumber},
        AnswerRow{"1,25", "5/4/1", kNotANumber}, AnswerRow{"1,25", "X", kNotANumber},
        AnswerRow{"1,25", "X =", kNotANumber}, AnswerRow{"1,25", "X 1,25", kNotANumber},
        AnswerRow{"1,25", "= 1,25", kNotANumber}, AnswerRow{"1,25", "X = X = 1,25", kNotANumber},
        AnswerRow{"1,25", "Y = 1,25", kNotANumber}, AnswerRow{"1,25", "1,25 = X", kNotANumber},
        AnswerRow{"1,25", "1,25 лв.", kNotANumber}, AnswerRow{"1,25", "1\n,25", kNotANumber},
        AnswerRow{"1,25", "1,25\n1,25", kNotANumber}, AnswerRow{"1,25", "5:4", kNotANumber},
        AnswerRow{"1,25", "１,２５", kNotANumber},
        AnswerRow{"1,25", std::string("1,25\0", 5), kNotANumber}));

INSTANTIATE_TEST_SUITE_P(
    BadBytes, AnswerTest,
    ::testing::Values(AnswerRow{"1,25", "1,25\xFF", kNotANumber},
                      AnswerRow{"1,25", "\xD0", kNotANumber},
                      // "1" written overlong, a surrogate, a cut-off character, past U+10FFFF
                      AnswerRow{"1,25", "\xC0\xB1,25", kNotANumber},
                      AnswerRow{"1,25", "1,25\xED\xA0\x80", kNotANumber},
                      AnswerRow{"1,25", "1,25\xE2\x80", kNotANumber},
                      AnswerRow{"1,25", "1,25\xF4\x90\x80\x80", kNotANumber},
                      // a no-break space without its lead byte
                      AnswerRow{"1,25", "X\xA0= 1,25", kNotANumber}));

// kLongestAnswer characters are read, blanks around them not counted; one more is refused, and
// a Cyrillic "Х" is one character of two bytes.
const std::string kLongest = joined("1,25", std::string(kLongestAnswer - 4, '0'));

INSTANTIATE_TEST_SUITE_P(
    Long, AnswerTest,
    ::testing::Values(
        AnswerRow{"1,25", kLongest, kRight}, AnswerRow{"1,25", joined(kLongest, "0"), kNotANumber},
        AnswerRow{"1,25", joined("  ", kLongest, "\u00A0\n"), kRight},
        AnswerRow{"1,25", joined("\u0425=", kLongest.substr(0, kLongestAnswer - 2)), kRight},
        AnswerRow{"1,25", joined("\u0425=", kLongest.substr(0, kLongestAnswer - 1)), kNotANumber},
        // 49-digit naturals, several limbs each, still exact
        AnswerRow{
            "1,25",
            joined(joined("125", std::string(46, '0')), "/", joined("1", std::string(48, '0'))),
            kRight},
        AnswerRow{
            "1,25",
            joined(joined("125", std::string(46, '0')), "/", joined("1", std::string(47, '0'))),
            kWrong},
        AnswerRow{"1,25", repeated("1,25 ", 2000), kNotANumber},
        AnswerRow{"1,25", joined("1", std::string(9999, '0')), kNotANumber},
        AnswerRow{"1,25", repeated("\u00A0", 10000), kNoAnswer}));

std::int64_t productOf(std::string_view factors) {
    std::int64_t product = 1;
    for (std::size_t start = 0; start <= factors.size();) {
        std::size_t end = factors.find(" * ", start);
        end = end == std::string_view::npos ? factors.size() : end;
        std::int64_t factor = 0;
        const auto read = std::from_chars(factors.data() + start, factors.data() + end, factor);
        if (read.ec != std::errc() || read.ptr != factors.data() + end) {
            throw std::invalid_argument("a factor that is no whole number");
        }
        product *= factor;
        start = end + 3;
    }
    return product;
}

// The window's answer line "X = (a * b * c) / (d * e) = v": v must be exactly the formula's
// value, and a pupil typing v as printed must be right.
TEST(AnswerCheckTest, EveryPrintedAnswerIsTheFormulasExactValue) {
    constexpr std::uint32_t kCodes = 300;
    constexpr std::uint32_t kStride = SheetCode::kCount / kCodes;
    for (std::uint32_t i = 0; i < kCodes; ++i) {
        const ProblemSet set(SheetCode::fromNumber(i * kStride + i));
        for (int variant = 1; variant <= 3; ++variant) {
            for (const SheetProblem& problem : set.variant(variant, 20)) {
                const std::string written = problem.answerLine();
                const std::string_view line = written;
                const std::size_t open = line.find('(');
                const std::size_t middle = line.find(") / (");
                const std::size_t close = line.rfind(") = ");
                ASSERT_TRUE(line.starts_with("X = (") && middle != std::string_view::npos &&
                            close != std::string_view::npos && middle < close)
                    << line;
                std::string fraction =
                    std::to_string(productOf(line.substr(open + 1, middle - open - 1)));
                fraction += '/';
                fraction += std::to_string(productOf(line.substr(middle + 5, close - middle - 5)));
                const std::string_view value = line.substr(close + 4);
                const std::optional<ExactNumber> printed = readAnswerNumber(value);
                ASSERT_TRUE(printed) << line;
                EXPECT_TRUE(*printed == *readAnswerNumber(fraction)) << line << " is " << fraction;
                EXPECT_EQ(checkAnswer(problem, value), kRight) << line;
            }
        }
    }
}

}  // namespace
}  // namespace worksheets
