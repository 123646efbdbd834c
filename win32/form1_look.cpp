// How the window looks: its colours, from the system's or under high contrast the user's
// alone, its fonts and places at its DPI, and its owner-drawn controls.
#include <utility>

#include "buttons.h"
#include "form1.h"
#include "layout.h"
#include "win32_design.h"

namespace drawchk::win32 {

LRESULT Form1::HandleLookMessage(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_DRAWITEM:
            OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lparam));
            return TRUE;
        case WM_ERASEBKGND:
            OnEraseBackground(reinterpret_cast<HDC>(wparam));
            return TRUE;
        case WM_SYSCOLORCHANGE:
        case WM_SETTINGCHANGE:
            OnColoursChanged();
            return DefWindowProcW(window_, message, wparam, lparam);
        case WM_DPICHANGED:
            OnDpiChanged(HIWORD(wparam), *reinterpret_cast<const RECT*>(lparam));
            return 0;
        default:
            return DefWindowProcW(window_, message, wparam, lparam);
    }
}

void Form1::OnDrawItem(const DRAWITEMSTRUCT& item) {
    if (item.hwndItem == List1.handle()) List1.DrawRow(item);
    const ButtonLook look{.face = ToColorRef(colours_.background),
                          .font = font_.get(),
                          .system_drawn = high_contrast_,
                          .dpi = WindowDpi(window_)};
    if (item.hwndItem == Command3D2) DrawButton(item, ToColorRef(colours_.check_caption), look);
    if (item.hwndItem == Command3D3) DrawButton(item, ToColorRef(colours_.end_caption), look);
}

void Form1::OnDpiChanged(UINT dpi, const RECT& suggested) {
    LayOut(dpi);
    SetWindowPos(window_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form1::OnEraseBackground(HDC dc) const {
    RECT client{};
    GetClientRect(window_, &client);
    SetDCBrushColor(dc, ToColorRef(colours_.background));
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void Form1::OnColoursChanged() {
    high_contrast_ = HighContrastIsOn();
    colours_ = design::ChooseWindowColours(SystemColours(), high_contrast_);
    List1.SetColours(colours_.list);
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void Form1::LayOut(UINT dpi) {
    UniqueFont font = MakeWindowFont(dpi);
    for (const HWND control : {List1.handle(), Command3D2, Command3D3}) {
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
    }
    font_ = std::move(font);

    List1.LayOut(ToPixels(design::kList1, dpi), ScaledPixels(design::kRowPixelsAt96Dpi, dpi), dpi);
    MoveTo(Command3D2, ToPixels(design::kCommand3D2, dpi));
    MoveTo(Command3D3, ToPixels(design::kCommand3D3, dpi));
}

}  // namespace drawchk::win32
