#pragma once

#include <random>

#include "engine/random_source.h"

namespace engine {

// The program's random source: a Mersenne Twister seeded from the wall clock and the steady clock.
class ClockRandomSource final : public RandomSource {
public:
    void seedFromClock() override;
    float next() override;

private:
    std::mt19937 generator_;
};

}  // namespace engine
