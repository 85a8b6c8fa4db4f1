#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <iostream>

#include "allocation_counter.h"
#include "engine_cycle.h"
#include "resident_memory.h"

namespace {

// Enough for the transcript and the lists to have grown to the largest size they ever need.
constexpr int kWarmUpCycles = 10'000;
constexpr int kSoakCycles = 1'000'000;
// Resident memory may move by a few pages as the allocator settles; a leak of even one byte per
// cycle would show as a megabyte. Under AddressSanitizer its quarantine holds freed blocks back,
// so resident memory grows anyway and only the live allocations are compared.
constexpr std::int64_t kResidentSlackKiB = 256;

TEST(EngineSoakTest, MakeAndSolveCyclesKeepMemoryFlat) {
    bench::EngineCycle engine;
    for (int i = 0; i < kWarmUpCycles; ++i) {
        engine.run();
    }
    const bench::AllocationCounts before = bench::allocationCounts();
    const auto residentBefore = bench::residentKiB();
    const auto start = std::chrono::steady_clock::now();

    for (int i = 0; i < kSoakCycles; ++i) {
        engine.run();
    }

    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    const bench::AllocationCounts after = bench::allocationCounts();
    const auto residentAfter = bench::residentKiB();
    std::cout << kSoakCycles << " cycles in " << elapsed.count() << " s; "
              << static_cast<double>(after.allocations - before.allocations) / kSoakCycles
              << " allocations per cycle; live blocks " << before.liveBlocks << " -> "
              << after.liveBlocks << ", live bytes " << before.liveBytes << " -> "
              << after.liveBytes << ", resident " << residentBefore.value_or(-1) << " KiB -> "
              << residentAfter.value_or(-1) << " KiB\n";

    EXPECT_EQ(after.liveBlocks, before.liveBlocks);
    EXPECT_EQ(after.liveBytes, before.liveBytes);
    if (!bench::kUnderAddressSanitizer && residentBefore && residentAfter) {
        EXPECT_LE(*residentAfter - *residentBefore, kResidentSlackKiB);
    }
    EXPECT_FALSE(engine.window().Command1[engine::kSolveCommand].isEnabled())
        << "the last cycle ended solved";
}

}  // namespace
