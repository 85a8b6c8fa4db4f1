#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "engine/in_memory/in_memory_controls.h"
#include "engine/in_memory/scripted_random_source.h"
#include "engine/main_form_logic.h"

namespace engine::testing {

using in_memory::ProblemDraws;

// The in-memory window, loaded, with draws the test scripts.
class FormTest : public ::testing::Test {
protected:
    explicit FormTest(std::string decimalSeparator = ".")
        : form_(window_.controls(), random_, std::move(decimalSeparator)) {
        form_.load();
    }

    void queue(const ProblemDraws& draws) { random_.queueProblem(draws); }

    // Clicks "Задача" with draws that make the given problem.
    void pose(const ProblemDraws& draws) {
        queue(draws);
        form_.commandClick(kMakeProblemCommand);
    }

    void solve() { form_.commandClick(kSolveCommand); }

    std::string transcript() const { return window_.Text1.text(); }

    // The transcript's lines, each without its CR LF.
    std::vector<std::string> lines() const {
        std::vector<std::string> result;
        std::istringstream text(window_.Text1.text());
        for (std::string line; std::getline(text, line);) {
            if (!line.empty() && line.back() == '\r') {
                line.pop_back();
            }
            result.push_back(line);
        }
        return result;
    }

    bool solveEnabled() const { return window_.Command1[kSolveCommand].isEnabled(); }

    in_memory::Form window_;
    in_memory::ScriptedRandomSource random_;
    MainFormLogic form_;
};

}  // namespace engine::testing
