#pragma once

#include <sys/types.h>

#include <cstdint>
#include <optional>

namespace startup {

// A program started for measuring, stopped (SIGTERM, then reaped) when this object goes.
class ChildProcess {
public:
    // Starts argv[0], looked up in PATH, with this process's environment. Throws
    // std::runtime_error when it cannot be started.
    explicit ChildProcess(char* const* argv);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    pid_t pid() const { return pid_; }
    bool hasExited();

    // VmRSS of /proc/<pid>/status, in KiB; empty once the process is gone.
    std::optional<std::int64_t> residentKiB() const;
    // CPU time of all its threads so far, from /proc/<pid>/task/*/schedstat, in nanoseconds.
    std::optional<std::int64_t> cpuNanoseconds() const;

private:
    pid_t pid_ = -1;
    bool reaped_ = false;
};

}  // namespace startup
