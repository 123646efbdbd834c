#pragma once

#include <windows.h>

namespace drawchk::win32 {

// How the window's two buttons are drawn besides their captions.
struct ButtonLook {
    COLORREF face;
    HFONT font;
    // Under high contrast the system draws the face in the user's colours.
    bool system_drawn;
    UINT dpi;
};

// Draws an owner-drawn button: its face, raised or pushed, its caption in `caption_colour`,
// and its focus frame.
void DrawButton(const DRAWITEMSTRUCT& item, COLORREF caption_colour, const ButtonLook& look);

}  // namespace drawchk::win32
