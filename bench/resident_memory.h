#pragma once

#include <cstdint>
#include <fstream>
#include <optional>
#include <string>

namespace bench {

// Resident memory (VmRSS) in KiB, read from a /proc/<pid>/status file; empty where there is no
// such file, as on a system without /proc or once the process is gone.
inline std::optional<std::int64_t> residentKiB(
    const std::string& statusFile = "/proc/self/status") {
    std::ifstream status(statusFile);
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with("VmRSS:")) {
            return std::stoll(line.substr(6));  // " 32016 kB"
        }
    }
    return std::nullopt;
}

// AddressSanitizer's quarantine holds freed memory back, so resident memory grows under it
// whatever the program does. gcc says so with a macro, clang through __has_feature.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool kUnderAddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
inline constexpr bool kUnderAddressSanitizer = true;
#else
inline constexpr bool kUnderAddressSanitizer = false;
#endif
#else
inline constexpr bool kUnderAddressSanitizer = false;
#endif

}  // namespace bench
