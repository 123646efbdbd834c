// Reads the list of the window titled "Drawchk." from another process, through the messages a
// screen reader's list-box proxy sends: the name its label gives it, the row count, the current
// and top rows, and the text of each row asked for, one line each, in UTF-8. With "active",
// whether the window is the active one; with "timechange", tells the window the clock was set, as
// Windows does; with "other", opens a window of its own and makes it the active one, until it
// is ended.
// Usage: list_probe.exe [ROW...] | active | timechange | other
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

std::string ToUtf8(const std::wstring& text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(), size,
                        nullptr, nullptr);
    return utf8;
}

std::wstring WindowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

}  // namespace

// A window of another program that takes the focus, as the one a user saves keno.old in.
int OtherWindow() {
    const HWND other = CreateWindowExW(0, L"STATIC", L"Other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0,
                                       0, 200, 100, nullptr, nullptr, nullptr, nullptr);
    SetForegroundWindow(other);
    SetFocus(other);
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
    return 0;
}

int wmain(int argc, wchar_t** argv) {
    if (argc > 1 && std::wstring(argv[1]) == L"other") return OtherWindow();
    const HWND window = FindWindowW(nullptr, L"Drawchk.");
    const HWND list =
        window != nullptr ? FindWindowExW(window, nullptr, L"LISTBOX", nullptr) : nullptr;
    if (list == nullptr) {
        std::fputs("no Drawchk. window with a list\n", stderr);
        return 1;
    }
    const std::wstring verb = argc > 1 ? argv[1] : L"";
    if (verb == L"active") {
        std::printf("active=%d\n", GetForegroundWindow() == window ? 1 : 0);
        return 0;
    }
    if (verb == L"timechange") {
        SendMessageW(window, WM_TIMECHANGE, 0, 0);
        return 0;
    }
    // The label a screen reader names the list after: the static text just before it.
    const HWND label = GetWindow(list, GW_HWNDPREV);
    wchar_t kind[16] = {};
    GetClassNameW(label, kind, 16);
    std::printf("name=%s\n",
                _wcsicmp(kind, L"Static") == 0 ? ToUtf8(WindowText(label)).c_str() : "");
    std::printf("count=%d current=%d top=%d\n",
                static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0)),
                static_cast<int>(SendMessageW(list, LB_GETCURSEL, 0, 0)),
                static_cast<int>(SendMessageW(list, LB_GETTOPINDEX, 0, 0)));
    for (int i = 1; i < argc; ++i) {
        const auto row = static_cast<WPARAM>(_wtoi(argv[i]));
        const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, row, 0);
        if (length < 0) {
            std::printf("no row %d\n", static_cast<int>(row));
            continue;
        }
        std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
        text.resize(static_cast<std::size_t>(
            SendMessageW(list, LB_GETTEXT, row, reinterpret_cast<LPARAM>(text.data()))));
        std::printf("%s\n", ToUtf8(text).c_str());
    }
    return 0;
}
