#pragma once

namespace engine {

// One button of an option group (the letters "A" to "F").
//
// Contract: select() makes this button the selected one of its group and clears every other
// button of the same group. Selecting the already selected button changes nothing.
class OptionButton {
public:
    virtual ~OptionButton() = default;

    virtual void select() = 0;
};

}  // namespace engine
