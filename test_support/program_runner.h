#pragma once

#include <sys/resource.h>
#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace drawchk::testing {

struct RunOptions {
    std::vector<std::string> args;
    std::vector<std::string> environment;  // added to ours, less any display
    std::chrono::milliseconds deadline = std::chrono::seconds(30);
    std::filesystem::path working_folder = "/";
    std::optional<rlim_t> file_size_limit;
    std::optional<uid_t> user;  // run as this user and group (when we are root)
};

struct ProgramRun {
    bool exited = false;  // false: killed by a signal, or still running at the deadline
    int status = -1;      // the exit status when it exited
    std::string output;   // what it wrote to stdout and stderr
    long peak_kib = 0;    // its peak resident size
};

// Runs `program` as a user or a scheduled job would, and kills it at the deadline.
ProgramRun RunProgram(const std::filesystem::path& program, RunOptions options = {});

}  // namespace drawchk::testing
