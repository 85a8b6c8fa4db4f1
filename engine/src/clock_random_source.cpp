#include "engine/clock_random_source.h"

#include <chrono>
#include <cstdint>

namespace engine {

void ClockRandomSource::seedFromClock() {
    // Nanosecond ticks, all 64 bits of them, so runs started within the same second differ.
    const auto ticks = static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
    std::seed_seq seed{static_cast<std::uint32_t>(ticks), static_cast<std::uint32_t>(ticks >> 32)};
    generator_.seed(seed);
}

float ClockRandomSource::next() {
    // The top 24 bits of a 32-bit draw fill a float's significand exactly, so the value is
    // uniform over multiples of 2^-24 and can never round up to 1.
    return static_cast<float>(generator_() >> 8) * 0x1p-24f;
}

}  // namespace engine
