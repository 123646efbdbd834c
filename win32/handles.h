#pragma once

#include <windows.h>

#include "unique_handle.h"

// The window's system handles, each owned the one way the program owns a handle.
namespace drawchk::win32 {

// A GDI object of `Object`'s kind: a font, say.
template <typename Object>
struct GdiObjectTraits {
    using Handle = Object;
    static Handle None() { return nullptr; }
    static bool Close(Handle object) { return DeleteObject(object) != 0; }
};
using UniqueFont = UniqueHandle<GdiObjectTraits<HFONT>>;

// An icon loaded from the program's resources.
struct IconTraits {
    using Handle = HICON;
    static Handle None() { return nullptr; }
    static bool Close(Handle icon) { return DestroyIcon(icon) != 0; }
};
using UniqueIcon = UniqueHandle<IconTraits>;

// A device context taken with GetDC, or GetWindowDC for a whole window with its frame, given
// back to the window it came from.
struct WindowDcTraits {
    using Handle = HDC;
    static Handle None() { return nullptr; }
    static bool Close(Handle dc) { return ReleaseDC(WindowFromDC(dc), dc) == 1; }
};
using UniqueWindowDc = UniqueHandle<WindowDcTraits>;

// The system's word that something in a folder changed.
struct ChangeNotificationTraits {
    using Handle = HANDLE;
    static Handle None() { return INVALID_HANDLE_VALUE; }
    static bool Close(Handle change) { return FindCloseChangeNotification(change) != 0; }
};
using UniqueChangeNotification = UniqueHandle<ChangeNotificationTraits>;

}  // namespace drawchk::win32
