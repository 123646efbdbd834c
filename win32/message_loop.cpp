#include "message_loop.h"

#include <algorithm>

#include "system_files.h"

namespace drawchk::win32 {
namespace {

// A file written in pieces, or replaced in two steps, is checked once, after its last change.
constexpr ULONGLONG kSettleMilliseconds = 300;

ULONGLONG NextMidnight() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return GetTickCount64() + MillisecondsToMidnight(now);
}

}  // namespace

ULONGLONG MillisecondsToMidnight(const SYSTEMTIME& now) {
    const ULONGLONG into_day =
        ((now.wHour * 60ULL + now.wMinute) * 60 + now.wSecond) * 1000 + now.wMilliseconds;
    return 24ULL * 3600 * 1000 - into_day + 1000;
}

ChangeWatch::ChangeWatch(const std::filesystem::path& folder)
    : change_(FindFirstChangeNotificationW(
          FileCallPath(folder).c_str(), FALSE,
          FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_SIZE | FILE_NOTIFY_CHANGE_LAST_WRITE)),
      midnight_at_(NextMidnight()) {}

ChangeWatch::~ChangeWatch() {
    if (change_ != INVALID_HANDLE_VALUE) FindCloseChangeNotification(change_);
}

ChangeWatch::Woke ChangeWatch::Wait() {
    const DWORD handles = change_ != INVALID_HANDLE_VALUE ? 1 : 0;
    while (true) {
        const ULONGLONG now = GetTickCount64();
        if (settled_at_ != 0 && now >= settled_at_) {
            settled_at_ = 0;
            return Woke::kFilesSettled;
        }
        if (now >= midnight_at_) {
            midnight_at_ = NextMidnight();
            return Woke::kNewDay;
        }
        const ULONGLONG until =
            settled_at_ != 0 ? std::min(settled_at_, midnight_at_) : midnight_at_;
        const auto wait = static_cast<DWORD>(std::min<ULONGLONG>(until - now, INFINITE - 1));
        const DWORD woke =
            MsgWaitForMultipleObjectsEx(handles, &change_, wait, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        if (woke == WAIT_OBJECT_0 + handles) return Woke::kMessage;
        if (handles == 1 && woke == WAIT_OBJECT_0) {
            // Each change puts the check off again, until the folder has been still a while.
            FindNextChangeNotification(change_);
            settled_at_ = GetTickCount64() + kSettleMilliseconds;
        } else if (woke == WAIT_FAILED) {
            return Woke::kMessage;
        }
    }
}

int RunMessageLoop(HWND dialog, ChangeWatch& watch,
                   const std::function<void(ChangeWatch::Woke)>& woke) {
    MSG message{};
    while (true) {
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) return static_cast<int>(message.wParam);
            if (IsDialogMessageW(dialog, &message)) continue;
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        const ChangeWatch::Woke why = watch.Wait();
        if (why != ChangeWatch::Woke::kMessage) woke(why);
    }
}

}  // namespace drawchk::win32
