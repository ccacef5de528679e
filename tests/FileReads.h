// How many bytes this process has read from files, to show that a reader stopped short.
#pragma once

#include <cstdint>
#include <fstream>
#include <optional>
#include <string>

namespace kxtest {

// Bytes this process has read from files so far, where the system counts them.
inline std::optional<std::uint64_t> BytesReadSoFar() {
    std::ifstream io("/proc/self/io");
    std::string key;
    std::uint64_t value = 0;
    while (io >> key >> value)
        if (key == "rchar:") return value;
    return std::nullopt;
}

} // namespace kxtest
