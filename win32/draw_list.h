#pragma once

#include <windows.h>

#include <string>

#include "list_colours.h"
#include "messages.h"
#include "row_list.h"
#include "window_design.h"

namespace drawchk::win32 {

// List1, the list of dated draws: a list box that holds each row's text, so that screen
// readers can read it through the list box's own messages, and paints each row from the
// check's row list. A row whose date cannot be right is painted in the mark colour with a
// square at its right end; an empty list paints the hint of why it is empty, and a list whose
// rows stop short says so in a band over them. The hidden label that names the list for
// screen readers carries the same words.
class DrawList {
  public:
    // `rows` must outlive the list.
    explicit DrawList(const RowList& rows) : rows_(rows) {}
    DrawList(const DrawList&) = delete;
    DrawList& operator=(const DrawList&) = delete;

    // Creates the list as a child of `parent`, with a hidden label before it that names it
    // for screen readers.
    void Create(HWND parent, HINSTANCE instance, int id);
    HWND handle() const { return list_; }

    // Places the list at `place` with rows `row_height` high, cut to fifteen whole rows.
    void LayOut(RECT place, int row_height, UINT dpi);
    // Takes the rows the check left, with the newest one current and the row list's first
    // visible row at the top, and the hint.
    void ShowRows(const ListHint& hint);
    // The colours to paint marks and hints in, from now on.
    void SetColours(const design::ListColours& colours);
    void DrawRow(const DRAWITEMSTRUCT& item) const;

  private:
    static LRESULT CALLBACK ListProc(HWND list, UINT message, WPARAM wparam, LPARAM lparam,
                                     UINT_PTR subclass, DWORD_PTR self);
    void PaintHint() const;
    void PaintBand() const;

    const RowList& rows_;
    HWND label_ = nullptr;
    HWND list_ = nullptr;
    std::wstring hint_;
    design::ListColours colours_{};
    // The design's sizes at the list's DPI.
    int mark_pixels_ = design::kMarkPixelsAt96Dpi;
    int mark_inset_ = design::kMarkInsetAt96Dpi;
    int text_indent_ = design::kTextIndentAt96Dpi;
    int hint_margin_ = design::kHintMarginAt96Dpi;
};

}  // namespace drawchk::win32
