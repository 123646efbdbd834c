#pragma once

#include <cstdint>
#include <string_view>

// The window's design, for every front end to draw from: its captions, colours and places.
// Texts are UTF-8.
namespace drawchk::design {

inline constexpr std::string_view kTitle = "Drawchk.";
inline constexpr std::string_view kCheckCaption = "Ellenőrzés";
inline constexpr std::string_view kEndCaption = "Vége";
// What a screen reader calls the list.
inline constexpr std::string_view kListName = "Húzások";
// What a screen reader says after a row whose date cannot be right.
inline constexpr std::string_view kOutOfPlaceWord = "rossz dátum";

struct Colour {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;

    friend constexpr bool operator==(const Colour&, const Colour&) = default;
};

inline constexpr Colour kBackground{224, 224, 224};
inline constexpr Colour kCheckCaptionColour{0, 128, 0};
inline constexpr Colour kEndCaptionColour{255, 0, 0};
// Rows whose date cannot be right: a red dark enough for 4.5:1 on white, and light enough
// for 3:1 against the black of the other rows' text.
inline constexpr Colour kOutOfPlaceColour{200, 0, 0};
// The focus cue of a button on the designed face, 3:1 and more against it whatever the theme.
inline constexpr Colour kFocusColour{0, 84, 166};
// The hint in an empty list, grey but still readable on white.
inline constexpr Colour kHintColour{100, 100, 100};

// A place on the window in twips (1/1440 inch).
struct TwipsRect {
    int left;
    int top;
    int width;
    int height;

    constexpr int bottom() const { return top + height; }
};

// The client area, its designed place on the screen, and the three controls.
inline constexpr TwipsRect kClientArea{2280, 1830, 3045, 4590};
inline constexpr TwipsRect kList1{255, 203, 2535, 2985};
inline constexpr TwipsRect kCommand3D2{720, 3353, 1605, 435};
inline constexpr TwipsRect kCommand3D3{720, 3953, 1605, 435};

// The rows the list shows at once, whatever the font; the check scrolls by as many.
inline constexpr int kListRows = 15;

// The window's font: 8.25 points, bold; the list's rows are 13 pixels high at 96 dpi.
inline constexpr std::string_view kFontName = "MS Sans Serif";
inline constexpr int kFontHundredthsOfAPoint = 825;
inline constexpr int kRowPixelsAt96Dpi = 13;
// The mark at the right end of a row whose date cannot be right, a square in pixels at
// 96 dpi, and its distance from the row's right end.
inline constexpr int kMarkPixelsAt96Dpi = 7;
inline constexpr int kMarkInsetAt96Dpi = 3;
// Inside the list: a row's text this far from its left end, and the hint this far from the
// list's edges, in pixels at 96 dpi.
inline constexpr int kTextIndentAt96Dpi = 2;
inline constexpr int kHintMarginAt96Dpi = 5;
// A band of words over the rows takes at most this many rows' room, so that two thirds of
// the rows stay in view whatever the words; the whole words reach a screen reader.
inline constexpr int kBandRowsAtMost = 5;
// The height of a band of words over the rows: the words, the hint's margin above and below,
// rounded up to whole rows, so that the rows beside it stay whole; kBandRowsAtMost rows at most.
constexpr int BandHeight(int text_height, int margin, int row_height) {
    const int rows = (text_height + 2 * margin + row_height - 1) / row_height;
    return (rows < kBandRowsAtMost ? rows : kBandRowsAtMost) * row_height;
}
// A focused button's focus frame, this far inside its edge.
inline constexpr int kFocusInsetAt96Dpi = 4;

inline constexpr int kDesignDpi = 96;

// Rounded to the nearest pixel, halves up.
constexpr int TwipsToPixels(int twips, int dpi) { return (twips * dpi + 720) / 1440; }
// A size given in pixels at 96 dpi, at `dpi`.
constexpr int ScaledPixels(int pixels_at_96_dpi, int dpi) {
    return (pixels_at_96_dpi * dpi + kDesignDpi / 2) / kDesignDpi;
}

}  // namespace drawchk::design
