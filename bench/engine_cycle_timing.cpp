// Times the engine's make-and-solve cycle with nothing but the standard library, so the same
// measurement runs natively and in WebAssembly. Prints the median time per cycle over rounds.
// Usage: engine_cycle_timing [rounds] [cycles per round]

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "engine_cycle.h"

int main(int argc, char* argv[]) {
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 15;
    const int cycles = argc > 2 ? std::atoi(argv[2]) : 20000;
    if (rounds < 1 || cycles < 1) {
        std::fprintf(stderr, "usage: engine_cycle_timing [rounds] [cycles per round]\n");
        return 2;
    }
    bench::EngineCycle engine;
    for (int i = 0; i < 1000; ++i) {
        engine.run();  // the transcript and the lists reach their largest sizes
    }
    std::vector<double> nanosecondsPerCycle;
    for (int round = 0; round < rounds; ++round) {
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < cycles; ++i) {
            engine.run();
        }
        const std::chrono::duration<double, std::nano> elapsed =
            std::chrono::steady_clock::now() - start;
        nanosecondsPerCycle.push_back(elapsed.count() / cycles);
    }
    std::sort(nanosecondsPerCycle.begin(), nanosecondsPerCycle.end());
    std::printf(
        "make and solve: median %.0f ns per cycle (%d rounds of %d; fastest %.0f, slowest %.0f)\n",
        nanosecondsPerCycle[nanosecondsPerCycle.size() / 2], rounds, cycles,
        nanosecondsPerCycle.front(), nanosecondsPerCycle.back());
    return 0;
}
