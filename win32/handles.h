#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace drawchk::win32 {

// GDI objects owned the way the rest of the program owns memory.
struct GdiObjectDeleter {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
using UniqueFont = std::unique_ptr<std::remove_pointer_t<HFONT>, GdiObjectDeleter>;

// Icons loaded from the program's resources, destroyed when their owner goes.
struct IconDeleter {
    void operator()(HICON icon) const { DestroyIcon(icon); }
};
using UniqueIcon = std::unique_ptr<std::remove_pointer_t<HICON>, IconDeleter>;

// A device context taken with GetDC, or GetWindowDC for the whole window with its frame, given
// back on leaving scope.
class WindowDc {
  public:
    explicit WindowDc(HWND window, bool whole_window = false)
        : window_(window), dc_(whole_window ? GetWindowDC(window) : GetDC(window)) {}
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    ~WindowDc() {
        if (dc_ != nullptr) ReleaseDC(window_, dc_);
    }
    HDC get() const { return dc_; }

  private:
    HWND window_;
    HDC dc_;
};

}  // namespace drawchk::win32
