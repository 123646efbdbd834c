#include "draw_list.h"

#include <commctrl.h>

#include "handles.h"
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
}

void DrawList::SetColours(const design::ListColours& colours) {
    colours_ = colours;
    InvalidateRect(list_, nullptr, TRUE);
}

void DrawList::ShowRows(const ListHint& hint) {
    hint_ = ToWide(hint.Text());
    // A screen reader names the list after its label, so it hears the hint with the name.
    const std::wstring name = ToWide(design::kListName);
    SetWindowTextW(label_, (hint_.empty() ? name : name + L": " + hint_).c_str());
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
                                : out_of_place ? ToColorRef(colours_.mark)
                                               : GetSysColor(COLOR_WINDOWTEXT);
        SetBkColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
        SetTextColor(item.hDC, colour);
        const HGDIOBJ old_font = SelectObject(item.hDC, FontOf(list_));
        ExtTextOutW(item.hDC, item.rcItem.left + text_indent_, item.rcItem.top,
                    ETO_OPAQUE | ETO_CLIPPED, &item.rcItem, text.c_str(),
                    static_cast<UINT>(text.size()), nullptr);
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
    if (message == WM_NCDESTROY) RemoveWindowSubclass(list, &ListProc, 0);
    if (draw_list.hint_.empty()) return DefSubclassProc(list, message, wparam, lparam);
    // Asked on WM_PAINT alone: the question comes back through this procedure.
    if (message == WM_PAINT && SendMessageW(list, LB_GETCOUNT, 0, 0) == 0) {
        draw_list.PaintHint();
        return 0;
    }
    const LRESULT result = DefSubclassProc(list, message, wparam, lparam);
    switch (message) {
        case WM_PAINT:
            draw_list.PaintBand();
            break;
        // The rows scroll under the band, which stays where it is.
        case WM_VSCROLL:
        case WM_MOUSEWHEEL:
        case WM_KEYDOWN:
        case LB_SETTOPINDEX:
        case LB_SETCURSEL:
            InvalidateRect(list, nullptr, FALSE);
            break;
        default:
            break;
    }
    return result;
}

void DrawList::PaintHint() const {
    PAINTSTRUCT paint{};
    const HDC dc = BeginPaint(list_, &paint);
    RECT place{};
    GetClientRect(list_, &place);
    FillRect(dc, &place, GetSysColorBrush(COLOR_WINDOW));
    InflateRect(&place, -hint_margin_, -hint_margin_);
    const HGDIOBJ old_font = SelectObject(dc, FontOf(list_));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ToColorRef(colours_.hint));
    DrawTextW(dc, hint_.c_str(), static_cast<int>(hint_.size()), &place,
              DT_CENTER | DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dc, old_font);
    EndPaint(list_, &paint);
}

void DrawList::PaintBand() const {
    // Over the rows, a band at the top, so the newest rows stay in view under it.
    const WindowDc dc(list_);
    RECT band{};
    GetClientRect(list_, &band);
    RECT place = band;
    InflateRect(&place, -hint_margin_, -hint_margin_);
    const HGDIOBJ old_font = SelectObject(dc.get(), FontOf(list_));
    const UINT format = DT_CENTER | DT_WORDBREAK | DT_NOPREFIX;
    DrawTextW(dc.get(), hint_.c_str(), static_cast<int>(hint_.size()), &place,
              format | DT_CALCRECT);
    place.right = band.right - hint_margin_;
    // Whole rows high, so no row peeks out half hidden under it, with the words in its middle.
    const auto row_height = static_cast<LONG>(SendMessageW(list_, LB_GETITEMHEIGHT, 0, 0));
    const LONG text_height = place.bottom - place.top;
    band.bottom = (text_height + 2 * hint_margin_ + row_height - 1) / row_height * row_height;
    place.top = (band.bottom - text_height) / 2;
    place.bottom = place.top + text_height;
    FillRect(dc.get(), &band, GetSysColorBrush(COLOR_WINDOW));
    SetDCBrushColor(dc.get(), ToColorRef(colours_.hint));
    const RECT line{band.left, band.bottom - 1, band.right, band.bottom};
    FillRect(dc.get(), &line, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    SetBkMode(dc.get(), TRANSPARENT);
    SetTextColor(dc.get(), ToColorRef(colours_.hint));
    DrawTextW(dc.get(), hint_.c_str(), static_cast<int>(hint_.size()), &place, format);
    SelectObject(dc.get(), old_font);
}

}  // namespace drawchk::win32
