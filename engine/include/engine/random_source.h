#pragma once

namespace engine {

// The source of randomness behind every problem.
//
// Contract:
// - seedFromClock() restarts the sequence from the system clock, so that two runs of the
//   program, even when started within the same second, give different problems.
// - next() returns the next value of a uniform distribution over [0, 1) in single precision.
//   It never returns 1 or a negative value.
class RandomSource {
public:
    virtual ~RandomSource() = default;

    virtual void seedFromClock() = 0;
    virtual float next() = 0;
};

}  // namespace engine
