#include "message_loop.h"

namespace drawchk::win32 {

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
