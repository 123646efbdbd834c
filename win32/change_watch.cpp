#include "change_watch.h"

#include <algorithm>
#include <chrono>

#include "system_files.h"

namespace drawchk::win32 {
namespace {

// The tick count at which the new day begins, as the re-check rule counts it.
ULONGLONG NewDayTick() {
    const auto now = std::chrono::system_clock::now();
    const auto wait = std::chrono::duration_cast<std::chrono::milliseconds>(NewDayAt(now) - now);
    return GetTickCount64() + static_cast<ULONGLONG>(wait.count());
}

}  // namespace

ChangeWatch::ChangeWatch(const std::filesystem::path& folder)
    : change_(folder.empty() ? INVALID_HANDLE_VALUE
                             : FindFirstChangeNotificationW(FileCallPath(folder).c_str(), FALSE,
                                                            FILE_NOTIFY_CHANGE_FILE_NAME |
                                                                FILE_NOTIFY_CHANGE_SIZE |
                                                                FILE_NOTIFY_CHANGE_LAST_WRITE)),
      new_day_at_(NewDayTick()) {}

void ChangeWatch::SettleAgain() {
    settled_at_ = GetTickCount64() + static_cast<ULONGLONG>(kSettleTime.count());
}

void ChangeWatch::CountNewDayFromNow() { new_day_at_ = NewDayTick(); }

ChangeWatch::Woke ChangeWatch::Wait() {
    while (true) {
        const ULONGLONG now = GetTickCount64();
        if (const std::optional<Woke> due = DueAt(now)) return *due;
        const ULONGLONG until = settled_at_ != 0 ? std::min(settled_at_, new_day_at_) : new_day_at_;
        if (!WaitForChange(until - now)) return Woke::kMessage;
    }
}

std::optional<ChangeWatch::Woke> ChangeWatch::DueAt(ULONGLONG now) {
    if (settled_at_ != 0 && now >= settled_at_) {
        settled_at_ = 0;
        return Woke::kFilesSettled;
    }
    if (now >= new_day_at_) {
        CountNewDayFromNow();
        return Woke::kNewDay;
    }
    return std::nullopt;
}

bool ChangeWatch::WaitForChange(ULONGLONG milliseconds) {
    const HANDLE change = change_.get();
    const DWORD handles = change_ ? 1 : 0;
    const auto wait = static_cast<DWORD>(std::min<ULONGLONG>(milliseconds, INFINITE - 1));
    const DWORD woke =
        MsgWaitForMultipleObjectsEx(handles, &change, wait, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    if (woke == WAIT_OBJECT_0 + handles || woke == WAIT_FAILED) return false;
    if (handles == 1 && woke == WAIT_OBJECT_0) {
        // Each change puts the check off again, until the folder has been still a while.
        FindNextChangeNotification(change);
        SettleAgain();
    }
    return true;
}

}  // namespace drawchk::win32
