#pragma once

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "temp_folder.h"

extern char** environ;

namespace drawchk::testing {

struct ProgramRun {
    bool exited = false;  // false: still running at the deadline, and killed
    int status = -1;      // the exit status when it exited
    std::string output;   // what it wrote to stdout and stderr
};

// A program folder in a temporary folder holding a copy of the built program.
class ProgramFolder {
  public:
    ProgramFolder() { std::filesystem::copy_file(DRAWCHK_PROGRAM, program()); }

    const std::filesystem::path& path() const { return folder_.path(); }
    std::filesystem::path operator/(std::string_view name) const { return folder_ / name; }
    std::filesystem::path program() const { return folder_ / "drawchk"; }

    // Runs `program` with `args`, without a display unless `environment` names one, and
    // kills it if it runs past `deadline`.
    static ProgramRun Run(const std::filesystem::path& program,
                          const std::vector<std::string>& args,
                          const std::vector<std::string>& environment = {},
                          std::chrono::milliseconds deadline = std::chrono::seconds(20),
                          const std::filesystem::path& working_folder = "/") {
        std::vector<std::string> env;
        for (char** e = environ; *e != nullptr; ++e) {
            const std::string entry = *e;
            if (entry.starts_with("DISPLAY=") || entry.starts_with("WAYLAND_DISPLAY=") ||
                entry.starts_with("QT_QPA_PLATFORM=")) {
                continue;
            }
            env.push_back(entry);
        }
        env.insert(env.end(), environment.begin(), environment.end());
        std::vector<std::string> argv_text = {program.string()};
        argv_text.insert(argv_text.end(), args.begin(), args.end());
        std::vector<char*> argv;
        for (std::string& a : argv_text) argv.push_back(a.data());
        argv.push_back(nullptr);
        std::vector<char*> envp;
        for (std::string& e : env) envp.push_back(e.data());
        envp.push_back(nullptr);

        int out[2];
        if (pipe2(out, O_CLOEXEC) != 0) return {};
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addchdir_np(&actions, working_folder.c_str());
        posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
        posix_spawn_file_actions_adddup2(&actions, out[1], STDERR_FILENO);
        pid_t pid = -1;
        const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
        posix_spawn_file_actions_destroy(&actions);
        close(out[1]);
        ProgramRun run;
        if (spawned != 0) {
            close(out[0]);
            return run;
        }
        const auto stop_at = std::chrono::steady_clock::now() + deadline;
        int status = 0;
        bool open = true;
        while (true) {
            if (open) {
                pollfd poll_fd{out[0], POLLIN, 0};
                if (poll(&poll_fd, 1, 20) > 0) {
                    char buffer[4096];
                    const ssize_t got = read(out[0], buffer, sizeof buffer);
                    if (got > 0) run.output.append(buffer, static_cast<std::size_t>(got));
                    if (got <= 0) open = false;
                }
            } else {
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            }
            if (waitpid(pid, &status, WNOHANG) == pid) {
                char buffer[4096];
                ssize_t got = 0;
                while (open && (got = read(out[0], buffer, sizeof buffer)) > 0) {
                    run.output.append(buffer, static_cast<std::size_t>(got));
                }
                run.exited = WIFEXITED(status);
                run.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
                break;
            }
            if (std::chrono::steady_clock::now() > stop_at) {
                kill(pid, SIGKILL);
                waitpid(pid, &status, 0);
                break;
            }
        }
        close(out[0]);
        return run;
    }

  private:
    TempFolder folder_;
};

}  // namespace drawchk::testing
