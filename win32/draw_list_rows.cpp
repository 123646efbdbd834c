// The list's rows: the strings a screen reader reads, and each row painted from the check's.
#include "draw_list.h"
#include "text_encoding.h"
#include "win32_design.h"

namespace drawchk::win32 {

std::wstring DrawList::RowText(int row) const {
    // The draw file's bytes where they are UTF-8, as a file saved as Unicode is read, else
    // Windows-1250, as "ANSI" saves them on a Hungarian Windows.
    return ToWide(TextToUtf8(rows_.Text(row)));
}

void DrawList::AddRows(int count) {
    const std::wstring out_of_place = L", " + ToWide(design::kOutOfPlaceWord);
    SendMessageW(list_, LB_RESETCONTENT, 0, 0);
    SendMessageW(list_, LB_INITSTORAGE, static_cast<WPARAM>(count),
                 static_cast<LPARAM>(count) * 32 * static_cast<LPARAM>(sizeof(wchar_t)));
    std::wstring text;
    for (int row = 0; row < count; ++row) {
        // What a screen reader reads: the row, and whether its date can be right.
        text = RowText(row);
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
    PaintRowCues(item, colour, out_of_place, (item.itemState & ODS_FOCUS) != 0 && focused);
}

void DrawList::PaintRowText(const DRAWITEMSTRUCT& item, int row, bool underline) const {
    // The check's own text, not the list's, which a screen reader may hear with more.
    const std::wstring text = RowText(row);
    const HGDIOBJ old_font =
        SelectObject(item.hDC, underline && underlined_font_ ? underlined_font_.get() : Font());
    ExtTextOutW(item.hDC, item.rcItem.left + text_indent_, item.rcItem.top,
                ETO_OPAQUE | ETO_CLIPPED, &item.rcItem, text.c_str(),
                static_cast<UINT>(text.size()), nullptr);
    SelectObject(item.hDC, old_font);
}

void DrawList::PaintRowCues(const DRAWITEMSTRUCT& item, COLORREF colour, bool out_of_place,
                            bool focus) const {
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
    if (focus) FrameRect(item.hDC, &item.rcItem, brush);
}

}  // namespace drawchk::win32
