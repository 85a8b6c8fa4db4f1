#pragma once

#include <cstdint>
#include <string>

#include "engine/form_controls.h"
#include "engine/random_source.h"

namespace engine {

// The logic of the main window: the unknown's position, the load step, the two commands and
// the rule that enables the solve button. It keeps no other state; the numbers, the scenarios
// and the transcript live in the window's controls.
//
// Every procedure may throw engine::RuntimeError. It then stops where it failed: what it wrote
// stays written, and the solve button keeps the state it had before the click.
class MainFormLogic {
public:
    // The window's form. decimalSeparator is the user's locale's, used in the answer's value.
    MainFormLogic(const FormControls& controls, RandomSource& random, std::string decimalSeparator);
    // A form that draws from a source seeded otherwise, such as a worksheet's from its code:
    // load() leaves that source as it is.
    MainFormLogic(const FormControls& controls, UniformSource& draws, std::string decimalSeparator);

    // Runs once, after the controls exist and before the window is first shown: seeds the
    // window's source from the clock and disables the solve button.
    void load();

    // The click handler shared by the command buttons: index 0 makes a problem, index 1
    // solves it, any other index does nothing.
    void commandClick(int index);

    // Draws a new problem and replaces the transcript with it.
    void GenerateProblem();

    // Appends the known values and the answer to the transcript.
    void SolveProblem();

    // The position 1 to 6 of the current problem's unknown; 0 before the first problem.
    std::int16_t UnknownIndex() const { return unknownIndex_; }

private:
    FormControls controls_;
    UniformSource& draws_;
    RandomSource* clockSeeded_ = nullptr;
    std::string decimalSeparator_;
    std::int16_t unknownIndex_ = 0;
};

}  // namespace engine
