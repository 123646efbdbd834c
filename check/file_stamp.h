#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>

namespace drawchk {

// What tells one version of a file from another: which file it is, its size and its time.
struct FileStamp {
    bool exists = false;
    std::uint64_t device = 0;
    std::uint64_t file = 0;
    std::uint64_t size = 0;
    // The last write, on the system clock, to the file system's own precision.
    std::chrono::system_clock::time_point modified;

    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

// The file at `path` as it is now, followed through links; a missing one does not exist.
FileStamp StampOf(const std::filesystem::path& path);

}  // namespace drawchk
