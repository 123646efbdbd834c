#pragma once

#include <windows.h>

#include "wide_text.h"
#include "window_design.h"

namespace drawchk::win32 {

// The window's design in the Windows API's own types.
inline COLORREF ToColorRef(design::Colour colour) {
    return RGB(colour.red, colour.green, colour.blue);
}
inline design::Colour FromColorRef(COLORREF colour) {
    return {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
}

}  // namespace drawchk::win32
