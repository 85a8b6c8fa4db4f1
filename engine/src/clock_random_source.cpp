#include "engine/clock_random_source.h"

#include <chrono>
#include <cstdint>

namespace engine {

namespace {

template <typename Clock>
std::uint64_t ticks() {
    return static_cast<std::uint64_t>(Clock::now().time_since_epoch().count());
}

}  // namespace

void ClockRandomSource::seedFromClock() {
    // Both clocks, all 64 bits of each. The wall clock tells apart programs started at different
    // times; the steady clock ticks finer, so runs started within the same second differ. Neither
    // alone is enough everywhere: in a browser the steady clock counts from the page's loading,
    // so every page opened would otherwise start alike, and the wall clock there ticks in
    // milliseconds.
    const std::uint64_t wall = ticks<std::chrono::system_clock>();
    const std::uint64_t steady = ticks<std::chrono::steady_clock>();
    std::seed_seq seed{static_cast<std::uint32_t>(wall), static_cast<std::uint32_t>(wall >> 32),
                       static_cast<std::uint32_t>(steady),
                       static_cast<std::uint32_t>(steady >> 32)};
    generator_.seed(seed);
}

float ClockRandomSource::next() {
    // The top 24 bits of a 32-bit draw fill a float's significand exactly, so the value is
    // uniform over multiples of 2^-24 and can never round up to 1.
    return static_cast<float>(generator_() >> 8) * 0x1p-24f;
}

}  // namespace engine
