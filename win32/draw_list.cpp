#include "draw_list.h"

#include <algorithm>

#include "handles.h"
#include "layout.h"
#include "run_check.h"
#include "win32_design.h"

namespace drawchk::win32 {
HFONT DrawList::Font() const {
    return reinterpret_cast<HFONT>(SendMessageW(list_, WM_GETFONT, 0, 0));
}

void DrawList::Create(HWND parent, HINSTANCE instance, int id) {
    // Screen readers name a list box after the static text just before it; this one is
    // never shown.
    label_ = CreateWindowExW(0, L"STATIC", ToWide(design::kListName).c_str(), WS_CHILD | SS_LEFT, 0,
                             0, 0, 0, parent, nullptr, instance, nullptr);
    list_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"LISTBOX", nullptr,
                            WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | LBS_HASSTRINGS |
                                LBS_OWNERDRAWFIXED | LBS_NOINTEGRALHEIGHT | LBS_NOTIFY,
                            0, 0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                            instance, nullptr);
    if (list_ == nullptr) return;
    // The list box's own procedure, taken over without the common controls, whose library
    // would be loaded at every start for this alone.
    SetWindowLongPtrW(list_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    list_proc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(list_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ListProc)));
}

void DrawList::LayOut(RECT place, int row_height, UINT dpi) {
    SendMessageW(list_, LB_SETITEMHEIGHT, 0, row_height);
    MoveTo(list_, place);
    // Fifteen whole rows: the list is cut to them plus its border.
    RECT inside{};
    GetClientRect(list_, &inside);
    place.bottom += drawchk::kVisibleRows * row_height - inside.bottom;
    MoveTo(list_, place);
    mark_pixels_ = ScaledPixels(design::kMarkPixelsAt96Dpi, dpi);
    mark_inset_ = ScaledPixels(design::kMarkInsetAt96Dpi, dpi);
    text_indent_ = ScaledPixels(design::kTextIndentAt96Dpi, dpi);
    hint_margin_ = ScaledPixels(design::kHintMarginAt96Dpi, dpi);
    LOGFONTW font{};
    if (GetObjectW(Font(), sizeof font, &font) != 0) {
        font.lfUnderline = TRUE;
        underlined_font_ = UniqueFont(CreateFontIndirectW(&font));
    }
}

void DrawList::SetColours(const design::ListColours& colours) {
    colours_ = colours;
    InvalidateRect(list_, nullptr, TRUE);
}

void DrawList::ShowRows(std::string_view hint, int kept_row) {
    hint_ = ToWide(hint);
    // A screen reader names the list after its label, so it hears the hint with the name.
    const std::wstring name = ToWide(design::kListName);
    SetWindowTextW(label_, (hint_.empty() ? name : name + L": " + hint_).c_str());
    const int count = rows_.Count();
    // The frame is worked out anew, with room for the band above the rows or without.
    band_height_ = count > 0 && !hint_.empty() ? BandHeight() : 0;
    SetWindowPos(list_, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    // Filled with redraw off and its storage taken at once, a full list takes milliseconds.
    SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
    AddRows(count);
    SendMessageW(list_, LB_SETTOPINDEX, static_cast<WPARAM>(rows_.FirstVisible()), 0);
    // The newest row is the current one, so the keyboard starts where the answer is; under a
    // band fewer rows show, and making it current scrolls it into view.
    const int current = kept_row >= 0 && kept_row < count ? kept_row : count - 1;
    if (count > 0) SendMessageW(list_, LB_SETCURSEL, static_cast<WPARAM>(current), 0);
    SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
    RedrawWindow(list_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
}

LRESULT CALLBACK DrawList::ListProc(HWND list, UINT message, WPARAM wparam, LPARAM lparam) {
    const auto& draw_list =
        *reinterpret_cast<const DrawList*>(GetWindowLongPtrW(list, GWLP_USERDATA));
    // The selection's colours and the frame follow the focus.
    if (message == WM_SETFOCUS || message == WM_KILLFOCUS) InvalidateRect(list, nullptr, FALSE);
    if ((message == WM_NCCALCSIZE || message == WM_NCPAINT) && draw_list.band_height_ > 0) {
        return draw_list.OnBand(list, message, wparam, lparam);
    }
    // An empty list paints its hint, and its frame when focused. Asked on WM_PAINT alone: the
    // question comes back through this procedure.
    if (message == WM_PAINT && SendMessageW(list, LB_GETCOUNT, 0, 0) == 0) {
        draw_list.PaintHint();
        return 0;
    }
    return CallWindowProcW(draw_list.list_proc_, list, message, wparam, lparam);
}

LRESULT DrawList::OnBand(HWND list, UINT message, WPARAM wparam, LPARAM lparam) const {
    const LRESULT result = CallWindowProcW(list_proc_, list, message, wparam, lparam);
    if (message == WM_NCPAINT) {
        PaintBand();
        return result;
    }
    // The band takes the top of what would be the rows' place, inside the frame.
    RECT& rows = wparam != 0 ? reinterpret_cast<NCCALCSIZE_PARAMS*>(lparam)->rgrc[0]
                             : *reinterpret_cast<RECT*>(lparam);
    rows.top = std::min(rows.top + band_height_, rows.bottom);
    return result;
}

}  // namespace drawchk::win32
