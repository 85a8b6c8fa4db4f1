#include "worksheets/problem_set.h"

#include <array>
#include <bitset>
#include <optional>
#include <stdexcept>
#include <string_view>

#include "engine/in_memory/in_memory_controls.h"
#include "engine/main_form_logic.h"
#include "engine/text_box.h"
#include "worksheets/sheet_random_source.h"

namespace worksheets {

namespace {

// The sheet is Bulgarian wherever it is opened.
constexpr std::string_view kDecimalComma = ",";

// A bound on the draws again for one problem, which no code comes near: the scenario wanted has
// a chance of about 1 in 17 each time, so 1,000 misses in a row happen about once in 10^26.
constexpr int kMostDraws = 1000;

// The transcript's lines after "Задача" and "Сметки": the heading, the sentence, "X = ?", the
// known values, an empty line, "Отговор: " and the answer.
constexpr std::size_t kSentenceLine = 1;
constexpr std::size_t kKnownValuesLine = 3;
constexpr std::size_t kAnswerLine = 6;

// A scenario's list box as the generator reads it, telling which scenario that was: the
// generator keeps its draw of the scenario to itself, and the variety rule needs it.
class ScenarioList final : public engine::ListBox {
public:
    ScenarioList(engine::ListBox& fragments, int scenario, int& lastRead)
        : fragments_(fragments), scenario_(scenario), lastRead_(lastRead) {}

    void clear() override { fragments_.clear(); }
    void addItem(std::string_view text) override { fragments_.addItem(text); }
    std::string item(int index) const override {
        lastRead_ = scenario_;
        return fragments_.item(index);
    }

private:
    engine::ListBox& fragments_;
    int scenario_;
    int& lastRead_;
};

std::vector<std::string_view> lines(std::string_view text) {
    std::vector<std::string_view> found;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = text.find(engine::kLineBreak, start);
        if (end == std::string_view::npos) {
            found.push_back(text.substr(start));
            break;
        }
        found.push_back(text.substr(start, end - start));
        start = end + engine::kLineBreak.size();
    }
    return found;
}

// The window's form, in memory, with the scenario lists that tell which one was read.
class SheetForm {
public:
    SheetForm() {
        engine::FormControls controls = form_.controls();
        for (int scenario = 1; scenario < engine::kListCount; ++scenario) {
            const auto index = static_cast<std::size_t>(scenario);
            scenarioLists_[index - 1].emplace(form_.List1[index], scenario, scenarioRead_);
            controls.List1[index] = &*scenarioLists_[index - 1];
        }
        controls_ = controls;
    }

    // Poses a problem from the draws and solves it; returns its scenario, 1 to 16.
    int makeProblem(engine::UniformSource& draws) {
        engine::MainFormLogic logic(controls_, draws, std::string(kDecimalComma));
        scenarioRead_ = 0;
        logic.GenerateProblem();
        const int scenario = scenarioRead_;
        logic.SolveProblem();
        return scenario;
    }

    SheetProblem problem() const {
        const std::string text = form_.Text1.text();
        const std::vector<std::string_view> written = lines(text);
        if (written.size() <= kAnswerLine) {
            throw std::logic_error("the form wrote fewer lines than a problem and its solution");
        }
        return {std::string(written[kSentenceLine]), std::string(written[kKnownValuesLine]),
                std::string(written[kAnswerLine])};
    }

private:
    engine::in_memory::Form form_;
    std::array<std::optional<ScenarioList>, ProblemSet::kScenarioRound> scenarioLists_;
    engine::FormControls controls_;
    int scenarioRead_ = 0;
};

void checkCount(int count) {
    if (count < 1 || count > SheetRandomSource::kLargestNumber) {
        throw std::out_of_range("a sheet's problems are numbered 1 to 65535");
    }
}

}  // namespace

std::vector<SheetProblem> ProblemSet::variant(int variant, int count) const {
    checkCount(count);
    SheetForm form;
    std::vector<SheetProblem> problems;
    problems.reserve(static_cast<std::size_t>(count));
    std::bitset<kScenarioRound + 1> used;
    for (int number = 1; number <= count; ++number) {
        if ((number - 1) % kScenarioRound == 0) {
            used.reset();
        }
        SheetRandomSource draws(code_, variant, number);
        int scenario = form.makeProblem(draws);
        for (int drawn = 1; drawn < kMostDraws && used.test(static_cast<std::size_t>(scenario));
             ++drawn) {
            scenario = form.makeProblem(draws);
        }
        used.set(static_cast<std::size_t>(scenario));
        problems.push_back(form.problem());
    }
    return problems;
}

SheetProblem ProblemSet::problem(int variant, int number) const {
    return this->variant(variant, number).back();
}

}  // namespace worksheets
