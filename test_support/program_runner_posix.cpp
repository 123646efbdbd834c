#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>

#include "program_runner.h"

extern char** environ;

namespace drawchk::testing {

ProgramRun RunProgram(const std::filesystem::path& program, const RunOptions& options) {
    // Everything the child needs is built before the fork.
    std::vector<std::string> env;
    const auto given = [&options](const std::string& entry) {
        const std::string name = entry.substr(0, entry.find('=') + 1);
        return std::any_of(options.environment.begin(), options.environment.end(),
                           [&name](const std::string& e) { return e.starts_with(name); });
    };
    for (char** e = environ; *e != nullptr; ++e) {
        const std::string entry = *e;
        if (!entry.starts_with("DISPLAY=") && !entry.starts_with("WAYLAND_DISPLAY=") &&
            !entry.starts_with("QT_QPA_PLATFORM=") && !given(entry)) {
            env.push_back(entry);
        }
    }
    env.insert(env.end(), options.environment.begin(), options.environment.end());
    std::vector<std::string> argv_text = {program.string()};
    argv_text.insert(argv_text.end(), options.args.begin(), options.args.end());
    std::vector<char*> argv;
    for (std::string& a : argv_text) argv.push_back(a.data());
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (std::string& e : env) envp.push_back(e.data());
    envp.push_back(nullptr);

    const std::filesystem::path folder =
        options.working_folder.empty() ? std::filesystem::path("/") : options.working_folder;
    ProgramRun run;
    int out[2];
    if (pipe2(out, O_CLOEXEC) != 0) return run;
    // A pipe whose reader is gone, for stderr, as a cron job's whose mail pipe broke.
    int gone[2] = {-1, -1};
    if (options.stderr_gone && pipe2(gone, O_CLOEXEC) == 0) close(gone[0]);
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(out[1], STDOUT_FILENO);
        dup2(options.stderr_gone ? gone[1] : out[1], STDERR_FILENO);
        if (chdir(folder.c_str()) != 0) _exit(120);
        if (options.file_size_limit) {
            const auto bytes = static_cast<rlim_t>(*options.file_size_limit);
            const rlimit limit{bytes, bytes};
            if (setrlimit(RLIMIT_FSIZE, &limit) != 0) _exit(121);
        }
        if (options.user && geteuid() == 0 &&
            (setgid(static_cast<gid_t>(*options.user)) != 0 ||
             setuid(static_cast<uid_t>(*options.user)) != 0)) {
            _exit(122);
        }
        execve(argv[0], argv.data(), envp.data());
        _exit(123);
    }
    close(out[1]);
    if (gone[1] >= 0) close(gone[1]);
    if (pid < 0) {
        close(out[0]);
        return run;
    }
    const auto started_at = std::chrono::steady_clock::now();
    const auto stop_at = started_at + options.deadline;
    bool open = true;
    char buffer[4096];
    int status = 0;
    rusage usage{};
    while (true) {
        if (open) {
            pollfd poll_fd{out[0], POLLIN, 0};
            if (poll(&poll_fd, 1, 20) > 0) {
                const ssize_t got = read(out[0], buffer, sizeof buffer);
                if (got > 0) run.output.append(buffer, static_cast<std::size_t>(got));
                if (got <= 0) open = false;
            }
        } else {
            poll(nullptr, 0, 20);
        }
        if (wait4(pid, &status, WNOHANG, &usage) == pid) break;
        if (options.running) {
            options.running(std::chrono::duration_cast<std::chrono::milliseconds>(
                std::chrono::steady_clock::now() - started_at));
        }
        if (std::chrono::steady_clock::now() > stop_at || (options.seen && options.seen())) {
            kill(pid, SIGKILL);
            wait4(pid, &status, 0, &usage);
            break;
        }
    }
    ssize_t got = 0;
    while (open && (got = read(out[0], buffer, sizeof buffer)) > 0) {
        run.output.append(buffer, static_cast<std::size_t>(got));
    }
    close(out[0]);
    run.exited = WIFEXITED(status);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    run.peak_kib = usage.ru_maxrss;
    return run;
}

}  // namespace drawchk::testing
