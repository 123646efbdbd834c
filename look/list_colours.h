#pragma once

#include "window_design.h"

// The colours the windows choose themselves, against the colours the desktop gives them, so
// that what they paint stays readable on light, dark and high-contrast themes.
namespace drawchk::design {

// The WCAG 2 contrast ratio of two colours, from 1 (the same) to 21 (black on white).
double ContrastRatio(Colour a, Colour b);

// The least contrast a text colour we choose keeps against what it is drawn on, and the least
// by which a marked row's colour stands apart from the other rows'.
inline constexpr double kLeastTextContrast = 4.5;
inline constexpr double kLeastApartContrast = 3.0;

struct ListColours {
    Colour mark;  // rows whose date cannot be right, and their square
    Colour hint;  // the words painted inside the list
    // The mark colour is too close to the rows' own to tell them apart, so marked rows are
    // underlined too.
    bool underline_marks = false;
};

// For a list of `background` with rows in `text`: the mark a red (dark on a light list, light
// on a dark one) and the hint a grey between the two, each at least 4.5:1 against the list,
// and the mark 3:1 from the rows' text where any red reaches both; else marks are underlined.
ListColours ChooseListColours(Colour background, Colour text);

// The system colours a window under Windows' high contrast may use.
struct SystemColours {
    Colour button_face;
    Colour button_text;
    Colour window;
    Colour window_text;
    Colour gray_text;
    Colour hot_light;
    Colour highlight;
};

// Everything the window paints in a colour of its own choosing.
struct WindowColours {
    Colour background;  // the window and its buttons' faces
    Colour check_caption;
    Colour end_caption;
    ListColours list;
};

// The designed window over the system's list; under high contrast the user's colours only.
WindowColours ChooseWindowColours(const SystemColours& system, bool high_contrast);

}  // namespace drawchk::design
