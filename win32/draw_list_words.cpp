// What the list says besides its rows: the hint in an empty list, and the band above rows.
#include <algorithm>

#include "draw_list.h"
#include "handles.h"
#include "win32_design.h"

namespace drawchk::win32 {

void DrawList::PaintHint() const {
    PAINTSTRUCT paint{};
    const HDC dc = BeginPaint(list_, &paint);
    RECT place{};
    GetClientRect(list_, &place);
    FillRect(dc, &place, GetSysColorBrush(COLOR_WINDOW));
    // With no row to frame, the focused list frames itself, inside the hint's margin.
    if (GetFocus() == list_) {
        RECT frame = place;
        InflateRect(&frame, -1, -1);
        SetDCBrushColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        FrameRect(dc, &frame, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    }
    InflateRect(&place, -hint_margin_, -hint_margin_);
    const HGDIOBJ old_font = SelectObject(dc, Font());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ToColorRef(colours_.hint));
    DrawTextW(dc, hint_.c_str(), static_cast<int>(hint_.size()), &place, kHintFormat);
    SelectObject(dc, old_font);
    EndPaint(list_, &paint);
}

int DrawList::BandHeight() const {
    // Measured in the width the words are painted in: the band runs across the rows and the
    // scroll bar, whether the bar shows or not.
    RECT place{};
    GetClientRect(list_, &place);
    const bool bar_shows = (GetWindowLongPtrW(list_, GWL_STYLE) & WS_VSCROLL) != 0;
    place.right += (bar_shows ? GetSystemMetrics(SM_CXVSCROLL) : 0) - 2 * hint_margin_;
    place.bottom = 0;
    const UniqueWindowDc dc(GetDC(list_));
    const HGDIOBJ old_font = SelectObject(dc.get(), Font());
    DrawTextW(dc.get(), hint_.c_str(), static_cast<int>(hint_.size()), &place,
              kHintFormat | DT_CALCRECT);
    SelectObject(dc.get(), old_font);
    const auto row_height = static_cast<int>(SendMessageW(list_, LB_GETITEMHEIGHT, 0, 0));
    return design::BandHeight(place.bottom - place.top, hint_margin_, row_height);
}

RECT DrawList::BandPlace() const {
    // Between the frame and the rows: from the rows' top left corner up, across the list and
    // its scroll bar, in the list's own window coordinates.
    RECT frame{};
    GetWindowRect(list_, &frame);
    POINT rows_origin{0, 0};
    ClientToScreen(list_, &rows_origin);
    const LONG edge = rows_origin.x - frame.left;
    const LONG band_top = rows_origin.y - frame.top - band_height_;
    return {edge, band_top, frame.right - frame.left - edge, band_top + band_height_};
}

void DrawList::PaintBand() const {
    const RECT band = BandPlace();
    RECT place = band;
    InflateRect(&place, -hint_margin_, 0);
    const UniqueWindowDc dc(GetWindowDC(list_));
    const HGDIOBJ old_font = SelectObject(dc.get(), Font());
    RECT measured = place;
    DrawTextW(dc.get(), hint_.c_str(), static_cast<int>(hint_.size()), &measured,
              kHintFormat | DT_CALCRECT);
    // Words taller than the band begin at its top, and what does not fit is cut.
    place.top = band.top + (std::max)(0L, (band_height_ - (measured.bottom - measured.top)) / 2);
    place.bottom = band.bottom - 1;
    FillRect(dc.get(), &band, GetSysColorBrush(COLOR_WINDOW));
    SetDCBrushColor(dc.get(), ToColorRef(colours_.hint));
    const RECT line{band.left, band.bottom - 1, band.right, band.bottom};
    FillRect(dc.get(), &line, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    SetBkMode(dc.get(), TRANSPARENT);
    SetTextColor(dc.get(), ToColorRef(colours_.hint));
    DrawTextW(dc.get(), hint_.c_str(), static_cast<int>(hint_.size()), &place, kHintFormat);
    SelectObject(dc.get(), old_font);
}

}  // namespace drawchk::win32
