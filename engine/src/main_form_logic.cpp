#include "engine/main_form_logic.h"

#include <stdexcept>
#include <utility>

namespace engine {

namespace {

template <typename Control, std::size_t N>
bool allSet(const std::array<Control*, N>& controls) {
    for (const Control* control : controls) {
        if (control == nullptr) {
            return false;
        }
    }
    return true;
}

}  // namespace

MainFormLogic::MainFormLogic(const FormControls& controls, RandomSource& random,
                             std::string decimalSeparator)
    : MainFormLogic(controls, static_cast<UniformSource&>(random), std::move(decimalSeparator)) {
    clockSeeded_ = &random;
}

MainFormLogic::MainFormLogic(const FormControls& controls, UniformSource& draws,
                             std::string decimalSeparator)
    : controls_(controls), draws_(draws), decimalSeparator_(std::move(decimalSeparator)) {
    if (!allSet(controls.List1) || controls.Text1 == nullptr || !allSet(controls.Option1) ||
        !allSet(controls.Command1)) {
        throw std::invalid_argument("MainFormLogic needs every control of the window");
    }
}

void MainFormLogic::load() {
    if (clockSeeded_ != nullptr) {
        clockSeeded_->seedFromClock();
    }
    controls_.Command1[kSolveCommand]->setEnabled(false);
}

void MainFormLogic::commandClick(int index) {
    // The button changes only once the procedure has finished: an error thrown inside it
    // leaves the solve button as it was.
    switch (index) {
        case kMakeProblemCommand:
            GenerateProblem();
            controls_.Command1[kSolveCommand]->setEnabled(true);
            break;
        case kSolveCommand:
            SolveProblem();
            controls_.Command1[kSolveCommand]->setEnabled(false);
            break;
        default:
            break;
    }
}

}  // namespace engine
