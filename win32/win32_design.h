#pragma once

#include <windows.h>

#include "list_colours.h"
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

// The system's colours the window may take, as the theme sets them now.
inline design::SystemColours SystemColours() {
    const auto system = [](int index) { return FromColorRef(GetSysColor(index)); };
    return {.button_face = system(COLOR_BTNFACE),
            .button_text = system(COLOR_BTNTEXT),
            .window = system(COLOR_WINDOW),
            .window_text = system(COLOR_WINDOWTEXT),
            .gray_text = system(COLOR_GRAYTEXT),
            .hot_light = system(COLOR_HOTLIGHT),
            .highlight = system(COLOR_HIGHLIGHT)};
}

// Whether the user has turned Windows' high contrast on.
inline bool HighContrastIsOn() {
    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof contrast;
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
           (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

}  // namespace drawchk::win32
