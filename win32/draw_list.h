#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "handles.h"
#include "list_colours.h"
#include "row_list.h"
#include "window_design.h"

namespace drawchk::win32 {

// List1, the list of dated draws: a list box that holds each row's text, so that screen
// readers can read it through the list box's own messages, and paints each row from the
// check's row list. A row whose date cannot be right is painted in the mark colour with a
// square at its right end, and underlined where that colour is too close to the text's; an empty
// list paints the hint of why it is empty, and a list whose rows stop short, or whose newest row is
// not near today, says so in a band above them, inside its frame, where the rows make room for it.
// The hidden label that names the list for screen readers carries the same words.
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
    // Takes the rows the check left, with the newest one current and in view, and the hint,
    // UTF-8. `kept_row`, where it is a row: the current one instead, in view.
    void ShowRows(std::string_view hint, int kept_row = -1);
    // The colours to paint marks and hints in, from now on.
    void SetColours(const design::ListColours& colours);
    void DrawRow(const DRAWITEMSTRUCT& item) const;

  private:
    static LRESULT CALLBACK ListProc(HWND list, UINT message, WPARAM wparam, LPARAM lparam);
    // Adds the check's `count` rows as the list box's strings.
    void AddRows(int count);
    // The row's text, in the list's font or, `underline`, the underlined one.
    // The row's text as the window shows it and a screen reader reads it.
    std::wstring RowText(int row) const;
    void PaintRowText(const DRAWITEMSTRUCT& item, int row, bool underline) const;
    // What tells a row apart besides its text, in `colour`: the mark's square, and the focus
    // frame.
    void PaintRowCues(const DRAWITEMSTRUCT& item, COLORREF colour, bool out_of_place,
                      bool focus) const;
    // The band's own part of the frame's messages: its room above the rows, and its words.
    LRESULT OnBand(HWND list, UINT message, WPARAM wparam, LPARAM lparam) const;
    // The list's font, which the window sets.
    HFONT Font() const;
    void PaintHint() const;
    // The band's height for the hint over rows; the list box's rows start below it.
    int BandHeight() const;
    // Where the band lies, in the list's window coordinates.
    RECT BandPlace() const;
    void PaintBand() const;

    static constexpr UINT kHintFormat = DT_CENTER | DT_WORDBREAK | DT_NOPREFIX;

    const RowList& rows_;
    HWND label_ = nullptr;
    HWND list_ = nullptr;
    // The list box's own window procedure, which the list's passes every message on to.
    WNDPROC list_proc_ = nullptr;
    std::wstring hint_;
    int band_height_ = 0;  // 0: no band
    design::ListColours colours_{};
    // The list's font underlined, for marked rows where their colour is too close to the text.
    UniqueFont underlined_font_;
    // The design's sizes at the list's DPI.
    int mark_pixels_ = design::kMarkPixelsAt96Dpi;
    int mark_inset_ = design::kMarkInsetAt96Dpi;
    int text_indent_ = design::kTextIndentAt96Dpi;
    int hint_margin_ = design::kHintMarginAt96Dpi;
};

}  // namespace drawchk::win32
