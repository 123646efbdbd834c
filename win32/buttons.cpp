#include "buttons.h"

#include <iterator>

#include "layout.h"
#include "window_design.h"

namespace drawchk::win32 {

namespace {

// The button's face, raised or pushed.
void DrawFace(const DRAWITEMSTRUCT& item, bool pushed, const ButtonLook& look) {
    RECT face = item.rcItem;
    if (look.system_drawn) {
        DrawFrameControl(item.hDC, &face, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
        return;
    }
    // The window's own light face, whatever the system's, so the captions keep their contrast.
    SetDCBrushColor(item.hDC, look.face);
    FillRect(item.hDC, &face, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    DrawEdge(item.hDC, &face, pushed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
}

}  // namespace

void DrawButton(const DRAWITEMSTRUCT& item, COLORREF caption_colour, const ButtonLook& look) {
    const bool pushed = (item.itemState & ODS_SELECTED) != 0;
    DrawFace(item, pushed, look);
    wchar_t caption[32] = {};
    GetWindowTextW(item.hwndItem, caption, static_cast<int>(std::size(caption)));
    RECT text_place = item.rcItem;
    // A pushed button's caption moves with its face.
    if (pushed) OffsetRect(&text_place, 1, 1);
    const HGDIOBJ old_font = SelectObject(item.hDC, look.font);
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, caption_colour);
    DrawTextW(item.hDC, caption, -1, &text_place, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SelectObject(item.hDC, old_font);
    if ((item.itemState & ODS_FOCUS) != 0) {
        RECT focus = item.rcItem;
        const auto inset = ScaledPixels(design::kFocusInsetAt96Dpi, look.dpi);
        InflateRect(&focus, -inset, -inset);
        DrawFocusRect(item.hDC, &focus);
    }
}

}  // namespace drawchk::win32
