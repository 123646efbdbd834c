#pragma once

// What the program hands its window module, a plain C table, so the module is a window and
// nothing else: the program owns the check, and the window runs it through the table. A module
// is opened only if it was built for this interface version.

#define DRAWCHK_WINDOW_INTERFACE_VERSION 2

struct DrawchkCheckServices {
    // The program's own, handed back to every call.
    void* check;
    // The program folder, UTF-8, which the window watches; empty where the program does not
    // know it, and the window then says so at once.
    const char* (*program_folder)(void* check);
    // Runs a check into the rows, judges the newest row against today's date and rewrites the
    // result file.
    void (*run_check)(void* check);
    // The files a check reads, keno.old and the rest-day lists there now, UTF-8 paths, from 0
    // up to the first null, looked for anew when asked for 0; the window watches them.
    const char* (*checked_file)(void* check, int index);
    // Whether one of them changed since the last check began; no other file of the folder
    // counts, the result file least of all.
    int (*files_changed)(void* check);
    int (*row_count)(void* check);
    // The row's text: the draw file's bytes, Windows-1250, `*length` of them.
    const char* (*row_text)(void* check, int row, int* length);
    // Whether the row's draw is not the one of its place, so its date cannot be right.
    int (*row_out_of_place)(void* check, int row);
    // The row the list shows at its top after the check.
    int (*first_visible_row)(void* check);
    // What the list says besides its rows, UTF-8: why it is empty, or that its rows stop
    // short of the draw file's end; empty for none.
    const char* (*hint)(void* check);
};

#ifdef __cplusplus
extern "C" {
#endif
// The interface version the module was built for.
int DrawchkWindowInterfaceVersion(void);
// Runs the window over the program's check until it is closed; returns the exit status.
int DrawchkRunWindow(int argc, char** argv, const struct DrawchkCheckServices* services);
#ifdef __cplusplus
}
#endif
