#pragma once

namespace engine {

// A push button whose clicks the window routes to the engine.
//
// Contract: setEnabled(false) makes the button refuse clicks until setEnabled(true); a
// disabled button delivers no click to the engine. Setting the state it already has is a no-op.
class CommandButton {
public:
    virtual ~CommandButton() = default;

    virtual void setEnabled(bool enabled) = 0;
};

}  // namespace engine
