#include <windows.h>

#include <string>

#include "messages.h"

namespace drawchk {

void SayOnStderr(std::string_view line) {
    const HANDLE error = GetStdHandle(STD_ERROR_HANDLE);
    if (error == nullptr || error == INVALID_HANDLE_VALUE || line.empty()) return;
    const int size = static_cast<int>(line.size());
    DWORD mode = 0;
    DWORD wrote = 0;
    // A console shows its own code page, not UTF-8; it takes the characters themselves.
    if (GetConsoleMode(error, &mode)) {
        std::wstring wide(line.size(), L'\0');
        wide.resize(static_cast<std::size_t>(
            MultiByteToWideChar(CP_UTF8, 0, line.data(), size, wide.data(), size)));
        WriteConsoleW(error, wide.data(), static_cast<DWORD>(wide.size()), &wrote, nullptr);
        return;
    }
    WriteFile(error, line.data(), static_cast<DWORD>(size), &wrote, nullptr);
}

}  // namespace drawchk
