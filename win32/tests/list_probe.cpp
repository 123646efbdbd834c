// Reads the list of the window titled "Drawchk." from another process, through the messages a
// screen reader's list-box proxy sends: the name its label gives it, the row count, the current
// and top rows, and the text of each row asked for, one line each, in UTF-8.
// Usage: list_probe.exe [ROW...]
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

int wmain(int argc, wchar_t** argv) {
    const HWND window = FindWindowW(nullptr, L"Drawchk.");
    const HWND list =
        window != nullptr ? FindWindowExW(window, nullptr, L"LISTBOX", nullptr) : nullptr;
    if (list == nullptr) {
        std::fputs("no Drawchk. window with a list\n", stderr);
        return 1;
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
