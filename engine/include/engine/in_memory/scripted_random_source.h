#pragma once

#include <array>
#include <cstddef>
#include <initializer_list>
#include <vector>

#include "engine/random_source.h"

namespace engine::in_memory {

// What a test wants a problem to be; turned into the eight draws that make it.
struct ProblemDraws {
    std::array<int, 3> firstSituation;  // A, B, C: 3 to 19
    std::array<int, 3> exponents;       // D, E, F are A, B, C times 2^(k+1); k is 0 to 3
    int unknown;                        // 1 to 6
    int scenario;                       // 1 to 16
};

// Plays back a fixed list of values, so a test decides every draw. Seeding changes nothing.
class ScriptedRandomSource final : public RandomSource {
public:
    ScriptedRandomSource() = default;

    // Queues values whose DrawPercent is each of the given percents (0 to 100), in order.
    void queuePercents(std::initializer_list<int> percents);
    // Queues the draws of one "Задача" that poses the given problem.
    void queueProblem(const ProblemDraws& draws);

    void seedFromClock() override {}
    // Throws std::logic_error once the queued values are used up: the test scripted too few.
    float next() override;

    std::size_t remaining() const { return values_.size() - position_; }

private:
    std::vector<float> values_;
    std::size_t position_ = 0;
};

}  // namespace engine::in_memory
