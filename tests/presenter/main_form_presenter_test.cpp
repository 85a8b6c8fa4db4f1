// What the window does around the engine, once for every front-end: start-up, and each command's
// outcome for the transcript's view, the focus and the user.

#include "presenter/main_form_presenter.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "design/main_form_design.h"
#include "design/runtime_error_texts.h"
#include "engine/in_memory/scripted_random_source.h"
#include "engine/scenario_templates.h"
#include "in_memory_view.h"

namespace presenter::testing {
namespace {

using engine::in_memory::ProblemDraws;

const ProblemDraws kExample{{7, 5, 12}, {1, 0, 2}, 2, 16};
const std::string kExamplePosed =
    "Примерен текст на условие:\r\n"
    "Ако 7 лекаря за X часа преглеждат 12 пациента, то 28 лекаря за 10 часа ще прегледат 96 "
    "пациента.\r\n"
    "X = ?\r\n";

class PresenterTest : public ::testing::Test {
protected:
    static std::unique_ptr<engine::RandomSource> scripted(
        engine::in_memory::ScriptedRandomSource*& draws) {
        auto source = std::make_unique<engine::in_memory::ScriptedRandomSource>();
        draws = source.get();
        return source;
    }

    void pose() {
        draws_->queueProblem(kExample);
        presenter_.commandClicked(engine::kMakeProblemCommand);
    }

    InMemoryView view_;
    engine::in_memory::ScriptedRandomSource* draws_ = nullptr;
    MainFormPresenter presenter_{view_, ",", scripted(draws_)};
};

TEST_F(PresenterTest, StartsWithTheDesignTimeContentAndTheTranscriptFocused) {
    for (int s = 1; s <= engine::kScenarioCount; ++s) {
        const auto& fragments = engine::scenarioTemplates()[static_cast<std::size_t>(s - 1)];
        EXPECT_EQ(view_.lists[static_cast<std::size_t>(s)]->items(),
                  std::vector<std::string>(fragments.begin(), fragments.end()));
    }
    EXPECT_EQ(view_.lists[0]->items(), std::vector<std::string>(engine::kPlaceholderNumbers.begin(),
                                                                engine::kPlaceholderNumbers.end()));
    EXPECT_EQ(view_.transcript->text(), design::mainForm().introText);
    EXPECT_FALSE(view_.solveEnabled()) << "the load step disables it";
    EXPECT_TRUE(view_.commands[0]->isEnabled());
    EXPECT_EQ(view_.options.selected(), engine::in_memory::OptionGroup::kNoSelection);
    EXPECT_EQ(view_.calls,
              (std::vector<std::string>{
                  "focus Text1_0", "first lines of " + std::string(design::mainForm().introText)}));
}

// Where the focus was, which command, what the engine then did: where the focus is after it, and
// what the user is told.
struct CommandRow {
    const char* name;
    std::optional<design::ControlId> focusedBefore;
    int command;
    bool spoilNumbers;  // the numbers list no longer holds numbers, so "Сметки" fails
    std::optional<design::ControlId> focusedAfter;
    const char* error;  // the message's text, or none
    bool solveEnabledAfter;
};

void PrintTo(const CommandRow& row, std::ostream* out) { *out << row.name; }

class CommandOutcomeTest : public PresenterTest,
                           public ::testing::WithParamInterface<CommandRow> {};

TEST_P(CommandOutcomeTest, ShowsTheNewestLinesThenMovesTheFocusOrTellsTheUser) {
    const CommandRow& row = GetParam();
    pose();
    if (row.spoilNumbers) {
        view_.lists[0]->items()[1] = "пет";
    }
    if (row.command == engine::kMakeProblemCommand) {
        draws_->queueProblem(kExample);
    }
    view_.focused = row.focusedBefore;
    view_.calls.clear();

    presenter_.commandClicked(row.command);

    EXPECT_EQ(view_.focused, row.focusedAfter);
    EXPECT_EQ(view_.solveEnabled(), row.solveEnabledAfter);
    ASSERT_FALSE(view_.calls.empty());
    EXPECT_EQ(view_.calls.front(), "newest lines of " + view_.transcript->text())
        << "the view follows the text as the command left it, failed or not";
    if (row.error == nullptr) {
        EXPECT_TRUE(view_.errors.empty());
        return;
    }
    ASSERT_EQ(view_.errors.size(), 1u);
    EXPECT_EQ(view_.errors[0].title, design::runtimeErrorTitle());
    EXPECT_EQ(view_.errors[0].text, row.error);
    EXPECT_EQ(view_.errors[0].advice, design::runtimeErrorAdvice());
}

const design::ControlId kMake = design::commandId(engine::kMakeProblemCommand);
const design::ControlId kSolve = design::commandId(engine::kSolveCommand);
const design::ControlId kTranscript = design::transcriptId();
constexpr const char* kNotANumber = "В списъка с числа има запис, който не е число.";

INSTANTIATE_TEST_SUITE_P(
    Rows, CommandOutcomeTest,
    ::testing::Values(CommandRow{"Задача from the keyboard keeps its focus", kMake, 0, false, kMake,
                                 nullptr, true},
                      CommandRow{"Сметки from the keyboard passes the focus to Задача", kSolve, 1,
                                 false, kMake, nullptr, false},
                      CommandRow{"Сметки clicked while typing leaves the focus in the transcript",
                                 kTranscript, 1, false, kTranscript, nullptr, false},
                      CommandRow{"Сметки with nothing focused focuses nothing", std::nullopt, 1,
                                 false, std::nullopt, nullptr, false},
                      CommandRow{"Сметки failing keeps its focus and its state", kSolve, 1, true,
                                 kSolve, kNotANumber, true}),
    [](const ::testing::TestParamInfo<CommandRow>& info) {
        return "Row" + std::to_string(info.index);
    });

// A screen reader hears what the command added: the whole new problem, then only the solution,
// not the transcript again; nothing when the command failed.
TEST_F(PresenterTest, AnnouncesWhatEachCommandAdded) {
    const std::string solution =
        "A = 7; C = 12; D = 28; E = 10; F = 96; \r\n\r\nОтговор: \r\n"
        "X = (12 * 28 * 10) / (7 * 96) = 5\r\n";
    view_.calls.clear();
    pose();
    presenter_.commandClicked(engine::kSolveCommand);
    view_.lists[0]->items()[0] = "пет";
    draws_->queueProblem(kExample);
    presenter_.commandClicked(engine::kMakeProblemCommand);
    view_.transcript->setText(view_.transcript->text() + "мисля, че");
    presenter_.commandClicked(engine::kSolveCommand);

    std::vector<std::string> announced;
    for (const std::string& call : view_.calls) {
        if (call.starts_with("announce ")) {
            announced.push_back(call.substr(9));
        }
    }
    EXPECT_EQ(announced,
              (std::vector<std::string>{kExamplePosed, solution, kExamplePosed, solution}))
        << "the pupil's own words are not read out again";
}

TEST_F(PresenterTest, FailureOutsideTheEnginesErrorsIsReportedAsUnexpected) {
    // No draws queued: the scripted source throws a logic error of its own.
    presenter_.commandClicked(engine::kMakeProblemCommand);
    ASSERT_EQ(view_.errors.size(), 1u);
    EXPECT_EQ(view_.errors[0].text, design::unexpectedErrorText());
    EXPECT_EQ(view_.transcript->text(), "Примерен текст на условие:\r\n")
        << "what the command wrote before it failed stays";
    EXPECT_FALSE(view_.solveEnabled());
}

TEST_F(PresenterTest, AnswersUseTheGivenDecimalSeparator) {
    draws_->queueProblem({{7, 5, 12}, {0, 0, 3}, 1, 16});  // A = (12 * 14 * 10) / (5 * 192)
    presenter_.commandClicked(engine::kMakeProblemCommand);
    presenter_.commandClicked(engine::kSolveCommand);
    EXPECT_TRUE(view_.transcript->text().ends_with(" = 1,75\r\n")) << view_.transcript->text();
}

TEST_F(PresenterTest, AClickOnNoButtonOfTheWindowsDoesNothing) {
    pose();
    view_.calls.clear();
    for (const int index : {-1, engine::kCommandCount}) {
        presenter_.commandClicked(index);
    }
    EXPECT_TRUE(view_.calls.empty());
    EXPECT_EQ(view_.transcript->text(), kExamplePosed);
}

}  // namespace
}  // namespace presenter::testing
