// Times programs from their start to the first map of a window of theirs on the X display:
// what a user waits for after a double click. The programs take turns, so both meet the same
// state of the machine, and the median of each is printed in microseconds.
// Usage: first_map RUNS PROGRAM_A -- PROGRAM_B [ARGS...]   (DISPLAY set, no window manager)
#include <X11/Xlib.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

// Starts `argv` and waits until a new top-level window is mapped; -1 when none is within 10 s.
long MicrosecondsToFirstMap(Display* display, std::vector<char*> argv) {
    XSync(display, True);  // forget the events of earlier runs
    argv.push_back(nullptr);
    const auto start = Clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return -1;
    long micros = -1;
    while (Clock::now() - start < std::chrono::seconds(10)) {
        if (XPending(display) == 0) {
            usleep(100);
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify) {
            micros =
                std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start).count();
            break;
        }
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    return micros;
}

long Median(std::vector<long> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 5) {
        std::fputs("usage: first_map RUNS PROGRAM_A [ARGS...] -- PROGRAM_B [ARGS...]\n", stderr);
        return 2;
    }
    std::vector<std::vector<char*>> programs(1);
    for (int i = 2; i < argc; ++i) {
        if (std::string(argv[i]) == "--") {
            programs.emplace_back();
        } else {
            programs.back().push_back(argv[i]);
        }
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fputs("first_map: no X display\n", stderr);
        return 2;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    std::vector<std::vector<long>> times(programs.size());
    const int runs = std::atoi(argv[1]);
    for (int run = 0; run < runs; ++run) {
        for (std::size_t p = 0; p < programs.size(); ++p) {
            const long micros = MicrosecondsToFirstMap(display, programs[p]);
            if (micros < 0) {
                std::fprintf(stderr, "first_map: %s mapped no window\n", programs[p][0]);
                return 1;
            }
            times[p].push_back(micros);
        }
    }
    for (const auto& program_times : times) std::printf("%ld ", Median(program_times));
    std::printf("\n");
    XCloseDisplay(display);
    return 0;
}
