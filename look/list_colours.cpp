#include "list_colours.h"

#include <cmath>
#include <initializer_list>

namespace drawchk::design {
namespace {

double Luminance(Colour colour) {
    const auto linear = [](std::uint8_t channel) {
        const double c = channel / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.red) + 0.7152 * linear(colour.green) +
           0.0722 * linear(colour.blue);
}

// `from` moved `step` 32nds of the way to `to`.
Colour Mix(Colour from, Colour to, int step) {
    const auto channel = [step](std::uint8_t a, std::uint8_t b) {
        return static_cast<std::uint8_t>((a * (32 - step) + b * step + 16) / 32);
    };
    return {channel(from.red, to.red), channel(from.green, to.green), channel(from.blue, to.blue)};
}

// The first colour on the way from `from` to `to` that reads on `background`; `to` is black
// or white, whichever reads better, so the way always ends at a readable colour.
Colour FirstReadable(Colour from, Colour to, Colour background) {
    for (int step = 0; step < 32; ++step) {
        const Colour colour = Mix(from, to, step);
        if (ContrastRatio(colour, background) >= kLeastTextContrast) return colour;
    }
    return to;
}

constexpr Colour kBlack{0, 0, 0};
constexpr Colour kWhite{255, 255, 255};
constexpr Colour kPureRed{255, 0, 0};
// The mark's red on a dark list: light, yet 3:1 from white text.
constexpr Colour kLightMarkColour{255, 92, 92};

// The mark nearest `preferred` that reads on `background` and stands apart from `text`, on the
// way to pure red and then to `far_end`; where none does, the first that reads, underlined.
void ChooseMark(Colour preferred, Colour far_end, Colour background, Colour text,
                ListColours& colours) {
    for (const Colour way : {kPureRed, far_end}) {
        for (int step = 0; step < 32; ++step) {
            const Colour colour = Mix(preferred, way, step);
            if (ContrastRatio(colour, background) >= kLeastTextContrast &&
                ContrastRatio(colour, text) >= kLeastApartContrast) {
                colours.mark = colour;
                return;
            }
        }
    }
    colours.mark = FirstReadable(preferred, far_end, background);
    colours.underline_marks = true;
}

}  // namespace

double ContrastRatio(Colour a, Colour b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::fmax(la, lb) + 0.05) / (std::fmin(la, lb) + 0.05);
}

ListColours ChooseListColours(Colour background, Colour text) {
    const bool light = ContrastRatio(kBlack, background) >= ContrastRatio(kWhite, background);
    const Colour far_end = light ? kBlack : kWhite;
    ListColours colours{};
    ChooseMark(light ? kOutOfPlaceColour : kLightMarkColour, far_end, background, text, colours);
    // The hint is quieter than the rows: on a light list the designed grey, elsewhere the
    // rows' colour faded towards the list as far as it still reads.
    if (light && ContrastRatio(kHintColour, background) >= kLeastTextContrast) {
        colours.hint = kHintColour;
    } else {
        colours.hint = ContrastRatio(text, background) >= kLeastTextContrast
                           ? FirstReadable(Mix(text, background, 16), text, background)
                           : far_end;
    }
    return colours;
}

WindowColours ChooseWindowColours(const SystemColours& system, bool high_contrast) {
    if (!high_contrast) {
        return {kBackground, kCheckCaptionColour, kEndCaptionColour,
                ChooseListColours(system.window, system.window_text)};
    }
    const auto reads = [&system](Colour colour) {
        return ContrastRatio(colour, system.window) >= kLeastTextContrast;
    };
    WindowColours colours{system.button_face,
                          system.button_text,
                          system.button_text,
                          {system.window_text, system.window_text}};
    if (reads(system.gray_text)) colours.list.hint = system.gray_text;
    // A mark in a colour of the user's scheme other than the rows' own, where one reads; the
    // square is there either way.
    for (const Colour candidate : {system.hot_light, system.highlight}) {
        if (reads(candidate) && !(candidate == system.window_text)) {
            colours.list.mark = candidate;
            break;
        }
    }
    colours.list.underline_marks =
        ContrastRatio(colours.list.mark, system.window_text) < kLeastApartContrast;
    return colours;
}

}  // namespace drawchk::design
