// Starts of the real program that open the window, on an X server of the test's own.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <future>
#include <string>
#include <thread>
#include <vector>

#include "batch_cases.h"
#include "program_copy.h"
#include "sample_draws.h"

extern char** environ;

namespace drawchk {
namespace {

using testing::ProgramCopy;
using testing::RunProgram;
using testing::WriteFile;

// Far longer than a window takes to show, even on a loaded machine; a test that waits for it
// ends the program as soon as it shows.
constexpr auto kWindowWaits = std::chrono::seconds(30);
const std::string kNoModuleLine =
    "drawchk: az ablak nem nyitható meg: a program ablaka (" DRAWCHK_WINDOW_MODULE
    ") nincs a program mellett („";

// A virtual X server on a display of its own, so tests that run side by side do not meet. A
// display counts as this test's only once its lock names this server and it takes
// connections: where two tests try one display at once, the one whose server ends tries the
// next, and no test searches another's display, or one not up yet.
class VirtualDisplay {
  public:
    VirtualDisplay() {
        for (int number = 100 + getpid() % 800; name_.empty() && number < 1000; ++number) {
            if (std::filesystem::exists("/tmp/.X" + std::to_string(number) + "-lock")) continue;
            if (Start(number)) name_ = ":" + std::to_string(number);
        }
    }
    VirtualDisplay(const VirtualDisplay&) = delete;
    VirtualDisplay& operator=(const VirtualDisplay&) = delete;
    ~VirtualDisplay() {
        if (pid_ == 0) return;
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
    }

    const std::string& name() const { return name_; }

    // Whether a window titled "Drawchk." shows on the display within the time a user waits.
    std::future<bool> WindowShows() const {
        return std::async(std::launch::async, [display = name_] {
            const std::string search =
                "DISPLAY=" + display +
                " timeout 30 xdotool search --sync --onlyvisible --name '^Drawchk\\.$'";
            FILE* found = popen(search.c_str(), "r");
            if (found == nullptr) return false;
            char line[64] = {};
            const bool shown = std::fgets(line, sizeof line, found) != nullptr;
            pclose(found);
            return shown;
        });
    }

  private:
    // Starts a server on display `number`; false, with none left running, where it did not
    // come up as the display's own.
    bool Start(int number) {
        const std::string display = ":" + std::to_string(number);
        // No reset when its last client goes, as the searches and the program's own look for a
        // screen come and go: a client that came during a reset would be turned away.
        std::vector<std::string> args = {"Xvfb", display,   "-noreset", "-nolisten",
                                         "tcp",  "-screen", "0",        "640x480x24"};
        std::vector<char*> argv;
        for (std::string& arg : args) argv.push_back(arg.data());
        argv.push_back(nullptr);
        posix_spawn_file_actions_t quiet;
        posix_spawn_file_actions_init(&quiet);
        posix_spawn_file_actions_addopen(&quiet, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
        if (posix_spawnp(&pid_, "Xvfb", &quiet, nullptr, argv.data(), environ) != 0) pid_ = 0;
        posix_spawn_file_actions_destroy(&quiet);
        for (int i = 0; pid_ != 0 && i < 200; ++i) {
            // A server that finds the display taken ends.
            if (waitpid(pid_, nullptr, WNOHANG) == pid_) pid_ = 0;
            if (pid_ != 0 && LockedBy(number) == pid_ && Accepts(number)) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        if (pid_ != 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
            pid_ = 0;
        }
        return false;
    }

    // The server the display's lock names; 0 for none.
    static pid_t LockedBy(int number) {
        std::ifstream lock("/tmp/.X" + std::to_string(number) + "-lock");
        long server = 0;
        lock >> server;
        return static_cast<pid_t>(server);
    }

    static bool Accepts(int number) {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const std::string path = "/tmp/.X11-unix/X" + std::to_string(number);
        path.copy(address.sun_path, sizeof address.sun_path - 1);
        const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        const bool accepted =
            fd >= 0 && connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
        if (fd >= 0) close(fd);
        return accepted;
    }

    pid_t pid_ = 0;
    std::string name_;
};

// Any command line but the batch word alone opens the window, which waits for the user.
class OtherCommandLines : public ::testing::TestWithParam<std::string> {};

TEST_P(OtherCommandLines, OpenTheWindowAndWait) {
    ProgramCopy folder("drawchk", DRAWCHK_WINDOW_MODULE_PATH);
    WriteFile(folder / "keno.old", SampleDraws(1, 5010));
    const VirtualDisplay display;
    std::future<bool> shown = display.WindowShows();
    const auto run =
        RunProgram(folder.program(),
                   {.args = {GetParam()},
                    // Qt notes a runtime folder it has to choose.
                    .environment = {"DISPLAY=" + display.name(), "XDG_RUNTIME_DIR="},
                    .deadline = kWindowWaits,
                    .seen = [&] {
                        return shown.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
                    }});
    EXPECT_TRUE(shown.get()) << "no window titled Drawchk. on display \"" << display.name()
                             << "\": " << run.output;
    EXPECT_FALSE(run.exited) << "ended with status " << run.status << ": " << run.output;
    // Qt's own English notes stay out of the user's terminal.
    EXPECT_EQ(run.output, "");
    EXPECT_FALSE(std::filesystem::exists(folder / "Drawchk.txt"));
}

INSTANTIATE_TEST_SUITE_P(Spellings, OtherCommandLines,
                         ::testing::ValuesIn(testing::kWindowStartSpellings));

// A mistyped batch word in a cron line, where there is no display: the program says in
// Hungarian what to run instead and ends with status 3, writing nothing, rather than aborting
// inside Qt.
class NoDisplay : public ::testing::TestWithParam<std::vector<std::string>> {};

TEST_P(NoDisplay, EndsWithStatusThreeAndSaysWhatToRun) {
    ProgramCopy folder("drawchk", DRAWCHK_WINDOW_MODULE_PATH);
    WriteFile(folder / "keno.old", SampleDraws(1, 5010));
    const auto run = RunProgram(folder.program(), {.args = {"Frissít"}, .environment = GetParam()});
    ASSERT_TRUE(run.exited) << "ended by signal " << run.status - 128;
    EXPECT_EQ(run.status, 3);
    EXPECT_EQ(run.output,
              "drawchk: nincs képernyő, amelyen az ablak megjelenhetne; ablak nélkül a "
              "„drawchk Frissit” parancs ellenőriz (pontosan így írva).\n");
    EXPECT_FALSE(std::filesystem::exists(folder / "Drawchk.txt"));
}

INSTANTIATE_TEST_SUITE_P(
    Environments, NoDisplay,
    ::testing::Values(std::vector<std::string>{}, std::vector<std::string>{"DISPLAY=:48761"},
                      std::vector<std::string>{"DISPLAY="},
                      std::vector<std::string>{"WAYLAND_DISPLAY=drawchk-nowhere",
                                               "XDG_RUNTIME_DIR=/tmp"},
                      std::vector<std::string>{"QT_QPA_PLATFORM=xcb"}),
    [](const auto& info) {
        return info.param.empty()                     ? std::string("Nothing")
               : info.param.size() > 1                ? std::string("DeadWayland")
               : info.param[0] == "DISPLAY="          ? std::string("EmptyDisplay")
               : info.param[0].starts_with("DISPLAY") ? std::string("DeadDisplay")
                                                      : std::string("XcbNamedWithoutDisplay");
    });

// The window module lies beside the program; one that is not there, or was built for another
// interface, counts as none, said in one line, whatever is installed on the machine.
TEST(WindowModule, MissingOrOfAnotherInterfaceIsSaidOnceOnStderr) {
    const char* modules[] = {nullptr, DRAWCHK_OTHER_INTERFACE_MODULE_PATH};
    for (const char* module : modules) {
        ProgramCopy folder;
        if (module != nullptr) std::filesystem::copy_file(module, folder / DRAWCHK_WINDOW_MODULE);
        WriteFile(folder / "keno.old", SampleDraws(1, 5010));
        const auto run = RunProgram(folder.program(), {.environment = {"QT_QPA_PLATFORM=offscreen"},
                                                       .deadline = kWindowWaits});
        ASSERT_TRUE(run.exited) << "a window opened";
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.output, kNoModuleLine + folder.path().string() +
                                  "”): tegye a két fájlt egy mappába, vagy töltse le újra a "
                                  "programot.\n");
        EXPECT_FALSE(std::filesystem::exists(folder / "Drawchk.txt"));
    }
}

}  // namespace
}  // namespace drawchk
