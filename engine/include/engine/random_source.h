#pragma once

#include "engine/uniform_source.h"

namespace engine {

// The window's source of randomness: a uniform source that the window's load step starts again
// from the clock.
//
// Contract: seedFromClock() restarts the sequence from the system clock, so that two runs of the
// program, even when started within the same second, give different problems. next() is as
// UniformSource's.
class RandomSource : public UniformSource {
public:
    virtual void seedFromClock() = 0;
};

}  // namespace engine
