// The Windows program's entry: batch mode or the window, over the same check as on POSIX.
#include <windows.h>

#include "batch.h"
#include "command_line.h"
#include "form1.h"
#include "program_folder.h"
#include "today.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*command_line*/,
                    int show_command) {
    const auto program_folder = drawchk::ProgramFolder();
    // Decided before any window class or window exists, so batch mode shows nothing at all,
    // and a window in a task that no one sees does not wait for a user for days. The raw
    // command line, not the one the C runtime splits and unquotes.
    if (const auto status = drawchk::RunWithoutWindow(
            drawchk::IsBatchMode(drawchk::ArgumentText(GetCommandLineW())), program_folder,
            drawchk::Today)) {
        return *status;
    }
    drawchk::win32::Form1 form(instance, program_folder);
    return form.Run(show_command);
}
