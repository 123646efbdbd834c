#include "draw_list.h"

#include <commctrl.h>

#include "layout.h"
#include "run_check.h"
#include "win32_design.h"

namespace drawchk::win32 {
namespace {

HFONT FontOf(HWND control) {
    return reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
}

}  // namespace

void DrawList::Create(HWND parent, HINSTANCE instance, int id) {
    // Screen readers name a list box after the static text just before it; this one is
    // never shown.
    CreateWindowExW(0, L"STATIC", ToWide(design::kListName).c_str(), WS_CHILD | SS_LEFT, 0, 0, 0, 0,
                    parent, nullptr, instance, nullptr);
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
}

void DrawList::ShowRows(design::ListHint hint) {
    hint_ = ToWide(design::HintText(hint));
    const int count = rows_.Count();
    const std::wstring out_of_place = L", " + ToWide(design::kOutOfPlaceWord);
    // Filled with redraw off and its storage taken at once, a full list takes milliseconds.
    SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
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
    // The newest row is the current one, so the keyboard starts where the answer is.
    if (count > 0) SendMessageW(list_, LB_SETCURSEL, static_cast<WPARAM>(count - 1), 0);
    SendMessageW(list_, LB_SETTOPINDEX, static_cast<WPARAM>(rows_.FirstVisible()), 0);
    SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list_, nullptr, TRUE);
}

void DrawList::DrawRow(const DRAWITEMSTRUCT& item) const {
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    if (item.itemID != static_cast<UINT>(-1)) {
        const int row = static_cast<int>(item.itemID);
        const bool out_of_place = rows_.OutOfPlace(row);
        // The check's own text, not the list's, which a screen reader may hear with more.
        const std::wstring text = ToWide(rows_.Text(row), design::kRowCodePage);
        // A selected row keeps the system's selected colours, so it stays readable.
        const COLORREF colour = selected       ? GetSysColor(COLOR_HIGHLIGHTTEXT)
                                : out_of_place ? ToColorRef(design::kOutOfPlaceColour)
                                               : GetSysColor(COLOR_WINDOWTEXT);
        SetBkColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
        SetTextColor(item.hDC, colour);
        const HGDIOBJ old_font = SelectObject(item.hDC, FontOf(list_));
        ExtTextOutW(item.hDC, item.rcItem.left + 2, item.rcItem.top, ETO_OPAQUE | ETO_CLIPPED,
                    &item.rcItem, text.c_str(), static_cast<UINT>(text.size()), nullptr);
        SelectObject(item.hDC, old_font);
        if (out_of_place) {
            // A second cue beside the colour, for those who cannot tell dark red from black.
            const int top = (item.rcItem.top + item.rcItem.bottom - mark_pixels_) / 2;
            const int right = item.rcItem.right - mark_inset_;
            const RECT mark{right - mark_pixels_, top, right, top + mark_pixels_};
            SetDCBrushColor(item.hDC, colour);
            FillRect(item.hDC, &mark, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
        }
    }
    if ((item.itemState & ODS_FOCUS) != 0) DrawFocusRect(item.hDC, &item.rcItem);
}

LRESULT CALLBACK DrawList::ListProc(HWND list, UINT message, WPARAM wparam, LPARAM lparam,
                                    UINT_PTR /*subclass*/, DWORD_PTR self) {
    const auto& draw_list = *reinterpret_cast<const DrawList*>(self);
    if (message == WM_PAINT && !draw_list.hint_.empty() &&
        SendMessageW(list, LB_GETCOUNT, 0, 0) == 0) {
        draw_list.PaintHint();
        return 0;
    }
    if (message == WM_NCDESTROY) RemoveWindowSubclass(list, &ListProc, 0);
    return DefSubclassProc(list, message, wparam, lparam);
}

void DrawList::PaintHint() const {
    PAINTSTRUCT paint{};
    const HDC dc = BeginPaint(list_, &paint);
    RECT place{};
    GetClientRect(list_, &place);
    FillRect(dc, &place, GetSysColorBrush(COLOR_WINDOW));
    InflateRect(&place, -mark_pixels_, -mark_pixels_);
    const HGDIOBJ old_font = SelectObject(dc, FontOf(list_));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ToColorRef(design::kHintColour));
    DrawTextW(dc, hint_.c_str(), static_cast<int>(hint_.size()), &place,
              DT_CENTER | DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dc, old_font);
    EndPaint(list_, &paint);
}

}  // namespace drawchk::win32
