#include <benchmark/benchmark.h>

#include <cstdint>

#include "allocation_counter.h"
#include "engine_cycle.h"

namespace {

// Enough cycles for the transcript and the lists to reach the largest size they ever need.
constexpr int kWarmUpCycles = 1000;

// Times one step of the engine after a warm-up, and reports its allocations per iteration.
void measure(benchmark::State& state, void (bench::EngineCycle::*step)()) {
    bench::EngineCycle engine;
    for (int i = 0; i < kWarmUpCycles; ++i) {
        (engine.*step)();
    }
    const bench::AllocationCounts before = bench::allocationCounts();
    for (auto _ : state) {
        (engine.*step)();
    }
    const bench::AllocationCounts after = bench::allocationCounts();
    state.counters["allocs"] =
        benchmark::Counter(static_cast<double>(after.allocations - before.allocations),
                           benchmark::Counter::kAvgIterations);
}

void BM_MakeAndSolve(benchmark::State& state) { measure(state, &bench::EngineCycle::run); }
BENCHMARK(BM_MakeAndSolve);

void BM_MakeProblem(benchmark::State& state) { measure(state, &bench::EngineCycle::makeProblem); }
BENCHMARK(BM_MakeProblem);

}  // namespace

BENCHMARK_MAIN();
