// The Windows program's entry: batch mode or the window, over the same check as on POSIX.
#include <windows.h>

#include "command_line.h"
#include "form1.h"
#include "messages.h"
#include "program_folder.h"
#include "screen.h"
#include "start_up.h"
#include "today.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*command_line*/,
                    int show_command) {
    const auto program_folder = drawchk::ProgramFolder();
    // Decided before any window class or window exists, so batch mode shows nothing at all.
    // The raw command line, not the one the C runtime splits and unquotes.
    if (drawchk::IsBatchMode(drawchk::ArgumentText(GetCommandLineW()))) {
        return drawchk::RunBatch(program_folder, drawchk::Today());
    }
    // A mistyped batch word in a task that no one sees must not wait for a user for days.
    if (!drawchk::WindowCanBeSeen()) {
        drawchk::SayOnStderr(drawchk::kNoScreenLine);
        return drawchk::kNoScreen;
    }
    drawchk::win32::Form1 form(instance, program_folder);
    return form.Run(show_command);
}
