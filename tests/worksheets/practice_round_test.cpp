// A pupil's round: right and wrong answers settle their problems and show the solution, an empty
// answer or one that is no number stays open, and the score counts what is right.

#include "worksheets/practice_round.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "worksheets/html_text.h"
#include "worksheets/page_words.h"
#include "worksheets/practice_markup.h"

namespace worksheets {
namespace {

// Problems whose answers are 12, 1,25 and 1,5.
std::vector<SheetProblem> problems() {
    const ProblemSet first(*SheetCode::read("3CFPS6"));
    const ProblemSet second(*SheetCode::read("QY5GFR"));
    return {first.problem(1, 1), first.problem(1, 2), second.problem(1, 1)};
}

const ProblemResult kUnchecked{};
const ProblemResult kRight{"Вярно", "", true, "right"};
const ProblemResult kWrong{"Грешно", "", true, "wrong"};
const ProblemResult kNoNumber{"Грешно", "Това не е число.", false, "wrong"};
const ProblemResult kEmpty{"Няма отговор", "", false, "empty"};
const ProblemResult kRightHinted{"Вярно, с подсказка", "", true, "right"};
const ProblemResult kWrongHinted{"Грешно, с подсказка", "", true, "wrong"};

struct CheckRow {
    const char* name;
    std::vector<std::string> answers;
    std::vector<std::size_t> hintsOpened;
    std::vector<ProblemResult> results;
    const char* score;
};

TEST(PracticeRoundTest, ChecksEachAnswer) {
    for (const CheckRow& row : {
             CheckRow{"all right",
                      {"12", "5/4", "X = 1,5"},
                      {},
                      {kRight, kRight, kRight},
                      "Верни отговори: 3 от 3"},
             CheckRow{"rounded",
                      {"12,0", "1,3", "1.5"},
                      {},
                      {kRight, kWrong, kRight},
                      "Верни отговори: 2 от 3"},
             CheckRow{"empty and no number",
                      {"", "пет", "  "},
                      {},
                      {kEmpty, kNoNumber, kEmpty},
                      "Верни отговори: 0 от 3"},
             CheckRow{"fewer answers than problems",
                      {"13"},
                      {},
                      {kWrong, kEmpty, kEmpty},
                      "Верни отговори: 0 от 3"},
             CheckRow{"hints opened",
                      {"12", "2", ""},
                      {0, 1, 2},
                      {kRightHinted, kWrongHinted, kEmpty},
                      "Верни отговори: 1 от 3"},
         }) {
        PracticeRound round(problems());
        EXPECT_EQ(round.score(), "") << row.name;
        EXPECT_EQ(round.result(0), kUnchecked) << row.name;
        for (const std::size_t index : row.hintsOpened) {
            round.openHint(index);
        }
        round.check(row.answers);
        for (std::size_t i = 0; i < row.results.size(); ++i) {
            EXPECT_EQ(round.result(i), row.results[i]) << row.name << ", problem " << i + 1;
        }
        EXPECT_EQ(round.score(), row.score) << row.name;
    }
}

TEST(PracticeRoundTest, ASettledAnswerStaysAsCheckedAndOpenOnesAreCheckedAgain) {
    PracticeRound round(problems());
    round.check({"12", "", "1/0"});
    // A hint opened once the problem is settled changes nothing.
    round.openHint(0);
    // The pupil changes a settled answer (the page locks it, but whatever it sends) and fills
    // in the open ones.
    round.check({"13", "1,25", "3/2"});
    EXPECT_EQ(round.result(0), kRight);
    EXPECT_EQ(round.result(1), kRight);
    EXPECT_EQ(round.result(2), kRight);
    EXPECT_EQ(round.score(), "Верни отговори: 3 от 3");
    round.check({"", "", ""});
    EXPECT_EQ(round.score(), "Верни отговори: 3 от 3");
}

TEST(PracticeMarkupTest, NamesEachAnswerAndHidesTheSolutions) {
    for (const bool hints : {true, false}) {
        std::vector<SheetProblem> two = problems();
        two.pop_back();
        const std::string html = practiceMarkup(two, hints);
        EXPECT_NE(html.find(escapedHtml(two[1].sentence())), std::string::npos);
        EXPECT_NE(html.find("<h3 class=\"practice-problem-name\">Задача 2.</h3>"),
                  std::string::npos);
        EXPECT_NE(html.find("id=\"practice-answer-2\""), std::string::npos);
        EXPECT_NE(html.find("aria-label=\"Отговор на задача 2\""), std::string::npos);
        EXPECT_NE(html.find("<label for=\"practice-answer-1\">Отговор:</label>"),
                  std::string::npos);
        EXPECT_EQ(html.find("id=\"practice-hint-2\"") != std::string::npos, hints);
        // No input mode that hides "/", no limit that would cut a paste down to a number.
        EXPECT_EQ(html.find("inputmode"), std::string::npos);
        EXPECT_EQ(html.find("maxlength"), std::string::npos);
        // The hint shows the condition and the proportions, nothing that gives X away.
        EXPECT_EQ(html.find("solution-chain"), std::string::npos) << "a chain before checking";
        EXPECT_EQ(html.find("X = ("), std::string::npos) << "a formula before checking";
        EXPECT_EQ(html.find("Отговор: "), std::string::npos) << "an answer before checking";
        EXPECT_EQ(html.find("A = "), std::string::npos) << "known values before checking";
    }
    EXPECT_EQ(words::variantName(7), "Вариант 7");
}

}  // namespace
}  // namespace worksheets
