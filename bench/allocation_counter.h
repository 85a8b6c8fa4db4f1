#pragma once

#include <cstdint>

// Counts what the program allocates through operator new. Linking allocation_counter.cpp into an
// executable replaces the global operator new and delete there, so benchmarks can report
// allocations per cycle and the soak can tell a leak from memory that is merely reused.
namespace bench {

struct AllocationCounts {
    std::uint64_t allocations = 0;  // every operator new since the start
    std::int64_t liveBlocks = 0;    // allocated and not yet deleted
    std::int64_t liveBytes = 0;     // usable size of the live blocks
};

AllocationCounts allocationCounts();

}  // namespace bench
