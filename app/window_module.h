#pragma once

// What the program hands its window module, a plain C table, so the module is a window and
// nothing else: the program owns the check and the rule of when to check again, and the
// window runs them through the table. A module is opened only if it was built for this
// interface version.

#define DRAWCHK_WINDOW_INTERFACE_VERSION 5

struct DrawchkCheckServices {
    // The program's own, handed back to every call.
    void* check;
    // How long the files must have been still before a change counts, in milliseconds.
    int settle_milliseconds;
    // The program folder, UTF-8; empty where the program does not know it, and the window
    // then says so at once.
    const char* (*program_folder)(void* check);
    // Runs a check into the rows, judges the newest row against today's date and rewrites the
    // result file. `automatic`: started by a change or a new day, not by the user. Returns 0
    // where an automatic check held its answer back, as for a file still being written: the
    // window asks again once the files have settled once more. Else 1.
    int (*run_check)(void* check, int automatic);
    // What the window watches, UTF-8 paths, from 0 up to the first null, looked for anew when
    // asked for 0.
    const char* (*watched_path)(void* check, int index);
    // Whether the window checks again, woken by a new day (`new_day` 1: midnight, a clock set
    // anew, a wake-up) or by the files settling after a change (0); the program's one rule.
    int (*checks_again)(void* check, int new_day);
    // When the newest row is judged again, in milliseconds since 1970 on the system clock.
    long long (*new_day_at)(void* check);
    int (*row_count)(void* check);
    // The row's text, UTF-8, `*length` bytes, valid until the next call: the draw file's
    // bytes where they are UTF-8, else read as Windows-1250.
    const char* (*row_text)(void* check, int row, int* length);
    // Whether the row's draw is not the one of its place, so its date cannot be right.
    int (*row_out_of_place)(void* check, int row);
    // The row the list shows at its top after the check.
    int (*first_visible_row)(void* check);
    // What the list says besides its rows, UTF-8; empty for none.
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
