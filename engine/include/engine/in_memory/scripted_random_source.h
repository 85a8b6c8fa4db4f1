#pragma once

#include <cstddef>
#include <initializer_list>
#include <vector>

#include "engine/random_source.h"

namespace engine::in_memory {

// Plays back a fixed list of values, so a test decides every draw. Seeding changes nothing.
class ScriptedRandomSource final : public RandomSource {
public:
    ScriptedRandomSource() = default;

    // Queues values whose DrawPercent is each of the given percents (0 to 100), in order.
    void queuePercents(std::initializer_list<int> percents);

    void seedFromClock() override {}
    // Throws std::logic_error once the queued values are used up: the test scripted too few.
    float next() override;

    std::size_t remaining() const { return values_.size() - position_; }

private:
    std::vector<float> values_;
    std::size_t position_ = 0;
};

}  // namespace engine::in_memory
