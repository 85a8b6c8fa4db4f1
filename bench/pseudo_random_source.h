#pragma once

#include <cstdint>

#include "engine/random_source.h"

namespace bench {

// SplitMix64 with a fixed seed: every run poses the same problems, so allocation counts repeat
// exactly, while the draws still spread over every scenario and unknown as the clock source's do.
class PseudoRandomSource final : public engine::RandomSource {
public:
    explicit PseudoRandomSource(std::uint64_t seed = 0x5EED) : state_(seed) {}

    void seedFromClock() override {}  // stays reproducible

    float next() override {
        state_ += 0x9E3779B97F4A7C15;
        std::uint64_t z = state_;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EB;
        z ^= z >> 31;
        // The top 24 bits fill a float's significand exactly: a multiple of 2^-24 below 1.
        return static_cast<float>(z >> 40) * 0x1p-24f;
    }

private:
    std::uint64_t state_;
};

}  // namespace bench
