#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "command_line.h"
#include "messages.h"
#include "program_folder.h"
#include "screen.h"
#include "start_up.h"
#include "today.h"
#include "window_check.h"

int main(int argc, char** argv) {
    // A file-size limit must fail the result file's write, not kill the program mid-way.
    std::signal(SIGXFSZ, SIG_IGN);
    const auto program_folder = drawchk::ProgramFolder();
    // Batch mode is decided before anything of the window is loaded, so it needs no display.
    if (drawchk::IsBatchMode(drawchk::ArgumentText(argc, argv))) {
        return drawchk::RunBatch(program_folder, drawchk::Today());
    }
    // A mistyped batch word in a scheduled job must not wait for a user, or abort in Qt.
    if (!drawchk::WindowCanBeSeen()) {
        drawchk::SayOnStderr(drawchk::kNoScreenLine);
        return drawchk::kNoScreen;
    }
    // Qt reads its platform from the environment when the window module starts it.
    const std::string platform(drawchk::WindowPlatform());
    if (!platform.empty()) setenv("QT_QPA_PLATFORM", platform.c_str(), 1);
    return drawchk::RunWindow(program_folder, argc, argv);
}
