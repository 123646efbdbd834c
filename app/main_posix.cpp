#include <csignal>
#include <cstdlib>
#include <string>

#include "batch.h"
#include "command_line.h"
#include "program_folder.h"
#include "screen.h"
#include "today.h"
#include "window_loader.h"

int main(int argc, char** argv) {
    // A file-size limit must fail the result file's write, not kill the program mid-way; and
    // a stderr whose reader has gone must not change the status the run ends with.
    std::signal(SIGXFSZ, SIG_IGN);
    std::signal(SIGPIPE, SIG_IGN);
    const auto program_folder = drawchk::ProgramFolder();
    // Decided before anything of the window is loaded, so batch mode needs no display, and a
    // window no one can see does not abort in Qt.
    if (const auto status =
            drawchk::RunWithoutWindow(drawchk::IsBatchMode(drawchk::ArgumentText(argc, argv)),
                                      program_folder, drawchk::Today)) {
        return *status;
    }
    // Qt reads its platform from the environment when the window module starts it.
    const std::string platform(drawchk::WindowPlatform());
    if (!platform.empty()) setenv("QT_QPA_PLATFORM", platform.c_str(), 1);
    return drawchk::RunWindow(program_folder, argc, argv);
}
