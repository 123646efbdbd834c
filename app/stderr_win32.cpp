#include <windows.h>

#include "messages.h"
#include "wide_text.h"

namespace drawchk {

void SayOnStderr(std::string_view line) {
    const HANDLE error = GetStdHandle(STD_ERROR_HANDLE);
    if (error == nullptr || error == INVALID_HANDLE_VALUE || line.empty()) return;
    DWORD mode = 0;
    DWORD wrote = 0;
    // A console shows its own code page, not UTF-8; it takes the characters themselves.
    if (GetConsoleMode(error, &mode)) {
        const std::wstring wide = ToWide(line);
        WriteConsoleW(error, wide.data(), static_cast<DWORD>(wide.size()), &wrote, nullptr);
        return;
    }
    WriteFile(error, line.data(), static_cast<DWORD>(line.size()), &wrote, nullptr);
}

}  // namespace drawchk
