// Starts a program on the X display in $DISPLAY and prints how long its window took to show and
// what the program holds once it is shown:
//
//   startup_watch SETTLE_MS PROGRAM [ARGUMENT...]
//   map_ms=41.2 paint_ms=47.9 cpu_ms=52.3 rss_kib=31020
//
// map_ms: from just before exec to the MapNotify of the program's top-level window (known by its
// _NET_WM_PID); paint_ms: to the first drawing into that window; then, SETTLE_MS after the
// drawing, cpu_ms (all its threads) and rss_kib (VmRSS). The program is then stopped.
// The display should be one of its own, with no window manager (Xvfb), so nothing else draws.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <thread>

#include "child_process.h"
#include "window_watch.h"

namespace {

using startup::Clock;

constexpr auto kTimeout = std::chrono::seconds(30);

double millisecondsBetween(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

int measure(int settleMilliseconds, char* const* command) {
    startup::WindowWatch watch;
    const Clock::time_point start = Clock::now();
    startup::ChildProcess program(command);
    const auto mapped = watch.waitForMap(program.pid(), start + kTimeout);
    if (!mapped) {
        std::fprintf(stderr, "%s: no window mapped within %llds\n", command[0],
                     static_cast<long long>(kTimeout.count()));
        return EXIT_FAILURE;
    }
    const auto painted = watch.waitForPaint(*mapped + kTimeout);
    if (!painted) {
        std::fprintf(stderr, "%s: nothing drawn into the window\n", command[0]);
        return EXIT_FAILURE;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(settleMilliseconds));
    const auto cpu = program.cpuNanoseconds();
    const auto resident = program.residentKiB();
    if (program.hasExited() || !cpu || !resident) {
        std::fprintf(stderr, "%s: exited before it could be measured\n", command[0]);
        return EXIT_FAILURE;
    }
    std::printf("map_ms=%.2f paint_ms=%.2f cpu_ms=%.2f rss_kib=%lld\n",
                millisecondsBetween(start, *mapped), millisecondsBetween(start, *painted),
                static_cast<double>(*cpu) / 1e6, static_cast<long long>(*resident));
    return EXIT_SUCCESS;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s SETTLE_MS PROGRAM [ARGUMENT...]\n", argv[0]);
        return 2;
    }
    try {
        return measure(std::stoi(argv[1]), argv + 2);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s: %s\n", argv[0], error.what());
        return EXIT_FAILURE;
    }
}
