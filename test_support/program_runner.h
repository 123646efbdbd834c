#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace drawchk::testing {

struct RunOptions {
    // The arguments, UTF-8. Windows hands a program one raw text: there they are joined by
    // blanks, as they stand, after the quoted program name.
    std::vector<std::string> args;
    // "NAME=value", in place of ours of the same name; on POSIX ours lack any display, which a
    // test gives where it wants one.
    std::vector<std::string> environment;
    std::chrono::milliseconds deadline = std::chrono::seconds(30);
    // POSIX: asked while the program runs; once it answers true, the program is ended, as
    // at the deadline. A test that waits for something the program shows ends it so, however
    // long a loaded machine takes to show it.
    std::function<bool()> seen;
    // Asked while the program runs, with how long it has run.
    std::function<void(std::chrono::milliseconds)> running;
    // Empty: the root folder on POSIX, ours on Windows.
    std::filesystem::path working_folder;
    // POSIX: stderr a pipe whose reader has gone.
    bool stderr_gone = false;
    // POSIX: a file-size limit in bytes, and a user (and group) to run as when we are root.
    std::optional<std::uint64_t> file_size_limit;
    std::optional<unsigned> user;
    // Windows: the "station\desktop" to start the program on; empty for ours.
    std::string desktop;
};

struct ProgramRun {
    bool exited = false;  // false: killed by a signal, or still running at the deadline
    int status = -1;      // the exit status when it exited
    std::string output;   // what it wrote to stdout and stderr
    long peak_kib = 0;    // POSIX: its peak resident size
    // Windows: a window titled "Drawchk." belonged to the program; once it has stood for a
    // moment the program is ended, as it would wait for a user.
    bool window_seen = false;
};

// Runs `program` as a user or a scheduled job would, and ends it at the deadline.
ProgramRun RunProgram(const std::filesystem::path& program, const RunOptions& options = {});

}  // namespace drawchk::testing
