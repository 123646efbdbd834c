#include "window_class.h"

#include "handles.h"

namespace drawchk::win32 {
namespace {

constexpr int kIconId = 1;

UniqueIcon LoadProgramIcon(HINSTANCE instance, int width_metric, int height_metric) {
    return UniqueIcon(static_cast<HICON>(
        LoadImageW(instance, MAKEINTRESOURCEW(kIconId), IMAGE_ICON, GetSystemMetrics(width_metric),
                   GetSystemMetrics(height_metric), LR_DEFAULTCOLOR)));
}

}  // namespace

bool RegisterWindowClass(HINSTANCE instance, WNDPROC window_proc) {
    // These live as long as the class, which is as long as the program.
    static const UniqueIcon icon = LoadProgramIcon(instance, SM_CXICON, SM_CYICON);
    static const UniqueIcon small_icon = LoadProgramIcon(instance, SM_CXSMICON, SM_CYSMICON);
    WNDCLASSEXW window_class{};
    window_class.cbSize = sizeof window_class;
    window_class.lpfnWndProc = window_proc;
    window_class.hInstance = instance;
    window_class.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    // No class brush: WM_ERASEBKGND paints the colours chosen for the system's.
    window_class.lpszClassName = kClassName;
    window_class.hIcon = icon.get();
    window_class.hIconSm = small_icon.get();
    // A second window of the program finds its class there already.
    return RegisterClassExW(&window_class) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

HWND MakeControl(HWND parent, HINSTANCE instance, const wchar_t* kind, const wchar_t* caption,
                 DWORD style, DWORD ex_style, int id) {
    return CreateWindowExW(ex_style, kind, caption, WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, 0,
                           0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           instance, nullptr);
}

}  // namespace drawchk::win32
