#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <iostream>
#include <string>

#include "allocation_counter.h"
#include "engine_cycle.h"

namespace {

// gcc says so with a macro, clang through __has_feature.
#if defined(__SANITIZE_ADDRESS__)
#define PROPORCIA_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define PROPORCIA_ADDRESS_SANITIZER 1
#endif
#endif
#ifdef PROPORCIA_ADDRESS_SANITIZER
constexpr bool kUnderAddressSanitizer = true;
#else
constexpr bool kUnderAddressSanitizer = false;
#endif

// Enough for the transcript and the lists to have grown to the largest size they ever need.
constexpr int kWarmUpCycles = 10'000;
constexpr int kSoakCycles = 1'000'000;
// Resident memory may move by a few pages as the allocator settles; a leak of even one byte per
// cycle would show as a megabyte. Under AddressSanitizer its quarantine holds freed blocks back,
// so resident memory grows anyway and only the live allocations are compared.
constexpr long kResidentSlackKiB = 256;

// This process's resident memory, from /proc/self/status; -1 where that is not available.
long residentKiB() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::stol(line.substr(6));
        }
    }
    return -1;
}

TEST(EngineSoakTest, MakeAndSolveCyclesKeepMemoryFlat) {
    bench::EngineCycle engine;
    for (int i = 0; i < kWarmUpCycles; ++i) {
        engine.run();
    }
    const bench::AllocationCounts before = bench::allocationCounts();
    const long residentBefore = residentKiB();
    const auto start = std::chrono::steady_clock::now();

    for (int i = 0; i < kSoakCycles; ++i) {
        engine.run();
    }

    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    const bench::AllocationCounts after = bench::allocationCounts();
    const long residentAfter = residentKiB();
    std::cout << kSoakCycles << " cycles in " << elapsed.count() << " s; "
              << static_cast<double>(after.allocations - before.allocations) / kSoakCycles
              << " allocations per cycle; live blocks " << before.liveBlocks << " -> "
              << after.liveBlocks << ", live bytes " << before.liveBytes << " -> "
              << after.liveBytes << ", resident " << residentBefore << " KiB -> " << residentAfter
              << " KiB\n";

    EXPECT_EQ(after.liveBlocks, before.liveBlocks);
    EXPECT_EQ(after.liveBytes, before.liveBytes);
    if (!kUnderAddressSanitizer && residentBefore >= 0) {
        EXPECT_LE(residentAfter - residentBefore, kResidentSlackKiB);
    }
    EXPECT_FALSE(engine.window().Command1[engine::kSolveCommand].isEnabled())
        << "the last cycle ended solved";
}

}  // namespace
