#pragma once

#include <windows.h>

#include <filesystem>
#include <optional>

#include "handles.h"
#include "recheck_rule.h"

namespace drawchk::win32 {

// What the window's message loop waits for besides its messages: the system's word that a
// file in the program folder changed, held back until the changes settle, and the coming new
// day. Nothing is asked at intervals, so an idle window does not wake up.
class ChangeWatch {
  public:
    // Watches `folder`; where the folder gives no word of changes (some network drives), or
    // none is given, only messages and the new day wake the loop.
    explicit ChangeWatch(const std::filesystem::path& folder);

    enum class Woke { kMessage, kFilesSettled, kNewDay };
    // Waits until a message is queued, the folder's changes have settled, or a new day begins.
    Woke Wait();
    // Settles once more, as for an answer held back until a file is whole.
    void SettleAgain();
    // Counts the new day from the clock as it is now: after it was set anew, or a wake-up.
    void CountNewDayFromNow();

  private:
    // What is due at tick `now`; none for nothing yet.
    std::optional<Woke> DueAt(ULONGLONG now);
    // Waits `milliseconds` for a change or a message; false for a message.
    bool WaitForChange(ULONGLONG milliseconds);

    UniqueChangeNotification change_;
    // Tick counts: when the last change settles (0 for none), and the new day.
    ULONGLONG settled_at_ = 0;
    ULONGLONG new_day_at_ = 0;
};

}  // namespace drawchk::win32
