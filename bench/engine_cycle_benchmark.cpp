#include <benchmark/benchmark.h>

#include <cstdint>

#include "allocation_counter.h"
#include "engine_cycle.h"

namespace {

// Enough cycles for the transcript and the lists to reach the largest size they ever need.
constexpr int kWarmUpCycles = 1000;

// Allocations per iteration, averaged over the timed loop.
void reportAllocations(benchmark::State& state, const bench::AllocationCounts& before) {
    const bench::AllocationCounts after = bench::allocationCounts();
    state.counters["allocs"] =
        benchmark::Counter(static_cast<double>(after.allocations - before.allocations),
                           benchmark::Counter::kAvgIterations);
}

void BM_MakeAndSolve(benchmark::State& state) {
    bench::EngineCycle engine;
    for (int i = 0; i < kWarmUpCycles; ++i) {
        engine.run();
    }
    const bench::AllocationCounts before = bench::allocationCounts();
    for (auto _ : state) {
        engine.run();
    }
    reportAllocations(state, before);
}
BENCHMARK(BM_MakeAndSolve);

void BM_MakeProblem(benchmark::State& state) {
    bench::EngineCycle engine;
    for (int i = 0; i < kWarmUpCycles; ++i) {
        engine.makeProblem();
    }
    const bench::AllocationCounts before = bench::allocationCounts();
    for (auto _ : state) {
        engine.makeProblem();
    }
    reportAllocations(state, before);
}
BENCHMARK(BM_MakeProblem);

}  // namespace

BENCHMARK_MAIN();
