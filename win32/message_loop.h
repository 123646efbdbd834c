#pragma once

#include <windows.h>

#include <functional>

#include "change_watch.h"

namespace drawchk::win32 {

// Runs the messages of the thread until WM_QUIT, with Tab, Space and Enter working the
// controls of `dialog` as in a dialog; calls `woke` whenever `watch` wakes for something other
// than a message. Returns the exit status WM_QUIT carries.
int RunMessageLoop(HWND dialog, ChangeWatch& watch,
                   const std::function<void(ChangeWatch::Woke)>& woke);

}  // namespace drawchk::win32
