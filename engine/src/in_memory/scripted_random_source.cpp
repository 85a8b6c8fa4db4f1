#include "engine/in_memory/scripted_random_source.h"

#include <cmath>
#include <stdexcept>

namespace engine::in_memory {

void ScriptedRandomSource::queuePercents(std::initializer_list<int> percents) {
    for (const int percent : percents) {
        if (percent < 0 || percent > 100) {
            throw std::invalid_argument("a draw lies in 0..100");
        }
        // p / 100 is within 2^-24 of the float chosen, so times 100 it rounds back to p.
        // 100 itself needs the largest float below 1.
        values_.push_back(percent == 100 ? std::nextafter(1.0f, 0.0f)
                                         : static_cast<float>(percent) / 100.0f);
    }
}

void ScriptedRandomSource::queueProblem(const ProblemDraws& draws) {
    const auto& [a, b, c] = draws.firstSituation;
    const auto& [kd, ke, kf] = draws.exponents;
    queuePercents({a - 3, b - 3, c - 3, kd, ke, kf, draws.unknown - 1, draws.scenario - 1});
}

float ScriptedRandomSource::next() {
    if (position_ == values_.size()) {
        throw std::logic_error("the scripted draws are used up");
    }
    return values_[position_++];
}

}  // namespace engine::in_memory
