#pragma once

#include <windows.h>

namespace drawchk::win32 {

// The class of the program's window, with the program's icon; false where it could not be
// registered, and no window of it can be made.
inline constexpr wchar_t kClassName[] = L"Drawchk.Form1";
bool RegisterWindowClass(HINSTANCE instance, WNDPROC window_proc);

// A visible child control of `parent` that Tab stops at, placed later.
HWND MakeControl(HWND parent, HINSTANCE instance, const wchar_t* kind, const wchar_t* caption,
                 DWORD style, DWORD ex_style, int id);

}  // namespace drawchk::win32
