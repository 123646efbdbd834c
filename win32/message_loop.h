#pragma once

#include <windows.h>

#include <filesystem>
#include <functional>

namespace drawchk::win32 {

// What the window's message loop waits for besides its messages: the system's word that a
// file in the program folder changed, held back until the changes settle, and the coming
// midnight. Nothing is asked at intervals, so an idle window does not wake up.
class ChangeWatch {
  public:
    enum class Woke { kMessage, kFilesSettled, kNewDay };

    // Watches `folder`; where the folder gives no word of changes (some network drives), only
    // messages and midnight wake the loop.
    explicit ChangeWatch(const std::filesystem::path& folder);
    ChangeWatch(const ChangeWatch&) = delete;
    ChangeWatch& operator=(const ChangeWatch&) = delete;
    ~ChangeWatch();

    // Waits until a message is queued, the folder's changes have settled, or a new day begins.
    Woke Wait();

  private:
    HANDLE change_ = INVALID_HANDLE_VALUE;
    // Tick counts: when the last change settles (0 for none), and the coming midnight.
    ULONGLONG settled_at_ = 0;
    ULONGLONG midnight_at_ = 0;
};

// Milliseconds from `now`, a local time, to a second past the next midnight.
ULONGLONG MillisecondsToMidnight(const SYSTEMTIME& now);

// Runs the messages of the thread until WM_QUIT, with Tab, Space and Enter working the
// controls of `dialog` as in a dialog; calls `woke` whenever `watch` wakes for something other
// than a message. Returns the exit status WM_QUIT carries.
int RunMessageLoop(HWND dialog, ChangeWatch& watch,
                   const std::function<void(ChangeWatch::Woke)>& woke);

}  // namespace drawchk::win32
