#pragma once

#include <windows.h>

namespace drawchk::win32 {

// A place on the window in twips (1/1440 inch), as the window was designed.
struct TwipsRect {
    int left;
    int top;
    int width;
    int height;
};

// The client area, its designed place on the screen, and the three controls.
inline constexpr TwipsRect kClientArea{2280, 1830, 3045, 4590};
inline constexpr TwipsRect kList1{255, 203, 2535, 2985};
inline constexpr TwipsRect kCommand3D2{720, 3353, 1605, 435};
inline constexpr TwipsRect kCommand3D3{720, 3953, 1605, 435};
// The list's rows are 13 pixels high at 96 dpi; it shows fifteen of them.
inline constexpr int kRowPixelsAt96Dpi = 13;

int TwipsToPixels(int twips, UINT dpi);
RECT ToPixels(const TwipsRect& place, UINT dpi);
int RowHeight(UINT dpi);
// The window font's height for a LOGFONT: 8.25 points.
int FontHeight(UINT dpi);

// The DPI the window is drawn at, and the DPI of the system before any window exists. Both
// fall back to the screen's DPI on Windows versions without per-monitor DPI.
UINT WindowDpi(HWND window);
UINT SystemDpi();
// The window rectangle around `client` for the window's style at `dpi`.
RECT WindowRectForClient(RECT client, DWORD style, DWORD ex_style, UINT dpi);

}  // namespace drawchk::win32
