#pragma once

#include "engine/form_controls.h"
#include "engine/in_memory/in_memory_controls.h"
#include "engine/main_form_logic.h"
#include "pseudo_random_source.h"

namespace bench {

// The engine on in-memory controls, loaded, with reproducible draws and the Bulgarian decimal
// comma: what the window does per "Задача" and "Сметки", without the window.
class EngineCycle {
public:
    EngineCycle() { form_.load(); }
    EngineCycle(const EngineCycle&) = delete;
    EngineCycle& operator=(const EngineCycle&) = delete;

    void makeProblem() { form_.commandClick(engine::kMakeProblemCommand); }
    void solve() { form_.commandClick(engine::kSolveCommand); }
    void run() {
        makeProblem();
        solve();
    }

    const engine::in_memory::Form& window() const { return window_; }

private:
    engine::in_memory::Form window_;
    PseudoRandomSource random_;
    engine::MainFormLogic form_{window_.controls(), random_, ","};
};

}  // namespace bench
