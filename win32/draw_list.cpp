#include "draw_list.h"

#include <commctrl.h>

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
    if (list_ != nullptr) SetWindowSubclass(list_, &ListProc, 0, reinterpret_cast<DWORD_PTR>(this));
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

void DrawList::AddRows(int count) {
    const std::wstring out_of_place = L", " + ToWide(design::kOutOfPlaceWord);
    SendMessageW(list_, LB_RESETCONTENT, 0, 0);
    SendMessageW(list_, LB_INITSTORAGE, static_cast<WPARAM>(count),
                 static_cast<LPARAM>(count) * 32 * static_cast<LPARAM>(sizeof(wchar_t)));
    std::wstring text;
    for (int row = 0; row < count; ++row) {
        // What a screen reader reads: the row, and whether its date can be right.
        text = ToWide(rows_.Text(row), design::kRowCodePage);
        if (rows_.OutOfPlace(row)) text += out_of_place;
        SendMessageW(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
}

void DrawList::DrawRow(const DRAWITEMSTRUCT& item) const {
    // An empty list frames itself when it paints its hint, not through the hint's words.
    if (item.itemID == static_cast<UINT>(-1)) return;
    const int row = static_cast<int>(item.itemID);
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    const bool focused = GetFocus() == list_;
    const bool out_of_place = rows_.OutOfPlace(row);
    // A selected row keeps the system's selected colours, so it stays readable; without the
    // focus the quieter button colours, as the system's own lists show it.
    const COLORREF colour = selected ? GetSysColor(focused ? COLOR_HIGHLIGHTTEXT : COLOR_BTNTEXT)
                            : out_of_place ? ToColorRef(colours_.mark)
                                           : GetSysColor(COLOR_WINDOWTEXT);
    SetBkColor(item.hDC, GetSysColor(!selected ? COLOR_WINDOW
                                     : focused ? COLOR_HIGHLIGHT
                                               : COLOR_BTNFACE));
    SetTextColor(item.hDC, colour);
    PaintRowText(item, row, out_of_place && colours_.underline_marks);
    SetDCBrushColor(item.hDC, colour);
    const auto brush = static_cast<HBRUSH>(GetStockObject(DC_BRUSH));
    if (out_of_place) {
        // A second cue beside the colour, for those who cannot tell the mark's red apart.
        const int top = (item.rcItem.top + item.rcItem.bottom - mark_pixels_) / 2;
        const int right = item.rcItem.right - mark_inset_;
        const RECT mark{right - mark_pixels_, top, right, top + mark_pixels_};
        FillRect(item.hDC, &mark, brush);
    }
    // A frame in the row's own text colour, which reads on its background, where an XOR
    // frame would all but vanish on the selection.
    if ((item.itemState & ODS_FOCUS) != 0 && focused) FrameRect(item.hDC, &item.rcItem, brush);
}

void DrawList::PaintRowText(const DRAWITEMSTRUCT& item, int row, bool underline) const {
    // The check's own text, not the list's, which a screen reader may hear with more.
    const std::wstring text = ToWide(rows_.Text(row), design::kRowCodePage);
    const HGDIOBJ old_font =
        SelectObject(item.hDC, underline && underlined_font_ ? underlined_font_.get() : Font());
    ExtTextOutW(item.hDC, item.rcItem.left + text_indent_, item.rcItem.top,
                ETO_OPAQUE | ETO_CLIPPED, &item.rcItem, text.c_str(),
                static_cast<UINT>(text.size()), nullptr);
    SelectObject(item.hDC, old_font);
}

LRESULT CALLBACK DrawList::ListProc(HWND list, UINT message, WPARAM wparam, LPARAM lparam,
                                    UINT_PTR /*subclass*/, DWORD_PTR self) {
    const auto& draw_list = *reinterpret_cast<const DrawList*>(self);
    if (message == WM_NCDESTROY) RemoveWindowSubclass(list, &ListProc, 0);
    if (message == WM_SETFOCUS || message == WM_KILLFOCUS) {
        // The selection's colours and the frame follow the focus.
        const LRESULT result = DefSubclassProc(list, message, wparam, lparam);
        InvalidateRect(list, nullptr, FALSE);
        return result;
    }
    if (message == WM_NCCALCSIZE && draw_list.band_height_ > 0) {
        // The band takes the top of what would be the rows' place, inside the frame.
        const LRESULT result = DefSubclassProc(list, message, wparam, lparam);
        RECT& rows = wparam != 0 ? reinterpret_cast<NCCALCSIZE_PARAMS*>(lparam)->rgrc[0]
                                 : *reinterpret_cast<RECT*>(lparam);
        rows.top = std::min(rows.top + draw_list.band_height_, rows.bottom);
        return result;
    }
    if (message == WM_NCPAINT && draw_list.band_height_ > 0) {
        const LRESULT result = DefSubclassProc(list, message, wparam, lparam);
        draw_list.PaintBand();
        return result;
    }
    // An empty list paints its hint, and its frame when focused. Asked on WM_PAINT alone: the
    // question comes back through this procedure.
    if (message == WM_PAINT && SendMessageW(list, LB_GETCOUNT, 0, 0) == 0) {
        draw_list.PaintHint();
        return 0;
    }
    return DefSubclassProc(list, message, wparam, lparam);
}

}  // namespace drawchk::win32
