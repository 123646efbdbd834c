#pragma once

#include <windows.h>

#include "handles.h"
#include "window_design.h"

namespace drawchk::win32 {

RECT ToPixels(const design::TwipsRect& place, UINT dpi);
// A size given in pixels at 96 dpi, at `dpi`.
int ScaledPixels(int pixels_at_96_dpi, UINT dpi);
// The window's font at `dpi`; Windows puts its closest font in place of it where it is missing.
UniqueFont MakeWindowFont(UINT dpi);

// The DPI the window is drawn at, and the DPI of the system before any window exists. Both
// fall back to the screen's DPI on Windows versions without per-monitor DPI.
UINT WindowDpi(HWND window);
UINT SystemDpi();
// Moves `control` to `place`, in its parent's client coordinates.
void MoveTo(HWND control, const RECT& place);

// The window rectangle around `client` for the window's style at `dpi`.
RECT WindowRectForClient(RECT client, DWORD style, DWORD ex_style, UINT dpi);

}  // namespace drawchk::win32
