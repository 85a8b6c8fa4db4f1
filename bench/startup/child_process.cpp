#include "child_process.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

#include "resident_memory.h"

extern char** environ;

namespace startup {

namespace {

std::string procPath(pid_t pid) { return "/proc/" + std::to_string(pid); }

}  // namespace

ChildProcess::ChildProcess(char* const* argv) {
    const int error = posix_spawnp(&pid_, argv[0], nullptr, nullptr, argv, environ);
    if (error != 0) {
        throw std::runtime_error(std::string("cannot start ") + argv[0] + ": " +
                                 std::strerror(error));
    }
}

ChildProcess::~ChildProcess() {
    if (!reaped_) {
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
    }
}

bool ChildProcess::hasExited() {
    if (!reaped_ && waitpid(pid_, nullptr, WNOHANG) == pid_) {
        reaped_ = true;
    }
    return reaped_;
}

std::optional<std::int64_t> ChildProcess::residentKiB() const {
    return bench::residentKiB(procPath(pid_) + "/status");
}

std::optional<std::int64_t> ChildProcess::cpuNanoseconds() const {
    std::error_code error;
    std::filesystem::directory_iterator tasks(procPath(pid_) + "/task", error);
    if (error) {
        return std::nullopt;
    }
    std::int64_t total = 0;
    for (const auto& task : tasks) {
        // The first field is the time the thread has run on a CPU.
        std::ifstream schedstat(task.path() / "schedstat");
        std::int64_t onCpu = 0;
        if (schedstat >> onCpu) {
            total += onCpu;
        }
    }
    return total;
}

}  // namespace startup
