#include "list_colours.h"

#include <gtest/gtest.h>

namespace drawchk::design {
namespace {

bool IsRed(Colour colour) {
    return colour.red >= colour.green + 40 && colour.red >= colour.blue + 40;
}

// Whatever the theme makes the list, marks and hints read on it, and a mark stays a red apart
// from the rows' own colour.
TEST(ListColours, MarksAndHintsReadOnEveryList) {
    struct Case {
        const char* name;
        Colour background;
        Colour text;
        bool light;
        bool underline;  // no red reads on the list and stands apart from the text
    };
    const Case cases[] = {
        {"white", {255, 255, 255}, {0, 0, 0}, true, false},
        {"light grey", {224, 224, 224}, {0, 0, 0}, true, false},
        {"dark grey", {36, 36, 36}, {255, 255, 255}, false, false},
        {"black", {0, 0, 0}, {255, 255, 255}, false, false},
        {"dark blue", {0, 0, 128}, {255, 255, 0}, false, false},
        {"mid grey", {128, 128, 128}, {0, 0, 0}, true, true},
        {"mid grey, white text", {128, 128, 128}, {255, 255, 255}, true, false},
    };
    for (const Case& c : cases) {
        const ListColours colours = ChooseListColours(c.background, c.text);
        EXPECT_GE(ContrastRatio(colours.mark, c.background), 4.5) << c.name;
        EXPECT_GE(ContrastRatio(colours.hint, c.background), 4.5) << c.name;
        EXPECT_NE(colours.mark, c.text) << c.name;
        EXPECT_NE(colours.hint, c.text) << c.name;
        EXPECT_EQ(colours.underline_marks, c.underline) << c.name;
        if (!c.underline) {
            EXPECT_GE(ContrastRatio(colours.mark, c.text), 3.0) << c.name;
        }
        // A mid-grey list leaves no red that reads: the mark is near black there.
        if (c.background.red != 128) {
            EXPECT_TRUE(IsRed(colours.mark)) << c.name;
        }
        // Dark red on a light list, light red on a dark one.
        EXPECT_EQ(ContrastRatio(colours.mark, {0, 0, 0}) < 4.5, c.light) << c.name;
    }
    // The designed colours where they read.
    EXPECT_EQ(ChooseListColours({255, 255, 255}, {0, 0, 0}).mark, kOutOfPlaceColour);
    EXPECT_EQ(ChooseListColours({255, 255, 255}, {0, 0, 0}).hint, kHintColour);
    EXPECT_NEAR(ContrastRatio({255, 255, 255}, {0, 0, 0}), 21.0, 1e-9);
}

TEST(WindowColours, HighContrastTakesOnlyTheUsersColours) {
    // A dark high-contrast scheme, as Windows ships one.
    SystemColours system{.button_face = {0, 0, 0},
                         .button_text = {255, 255, 255},
                         .window = {0, 0, 0},
                         .window_text = {255, 255, 255},
                         .gray_text = {63, 242, 63},
                         .hot_light = {255, 255, 0},
                         .highlight = {26, 235, 255}};
    WindowColours colours = ChooseWindowColours(system, true);
    EXPECT_EQ(colours.background, system.button_face);
    EXPECT_EQ(colours.check_caption, system.button_text);
    EXPECT_EQ(colours.end_caption, system.button_text);
    EXPECT_EQ(colours.list.mark, system.hot_light);
    EXPECT_EQ(colours.list.hint, system.gray_text);
    // Where the link colour is the text's and the grey does not read, the next ones serve.
    system.hot_light = system.window_text;
    system.gray_text = {64, 64, 64};
    colours = ChooseWindowColours(system, true);
    EXPECT_EQ(colours.list.mark, system.highlight);
    EXPECT_EQ(colours.list.hint, system.window_text);
    // Without high contrast the window keeps its design over the system's list.
    colours = ChooseWindowColours(system, false);
    EXPECT_EQ(colours.background, kBackground);
    EXPECT_EQ(colours.check_caption, kCheckCaptionColour);
    EXPECT_GE(ContrastRatio(colours.list.mark, system.window), 4.5);
}

// The designed captions keep 3:1 on the designed face, which the buttons are drawn with.
TEST(WindowColours, DesignedCaptionsReadOnTheDesignedFace) {
    EXPECT_GE(ContrastRatio(kCheckCaptionColour, kBackground), 3.0);
    EXPECT_GE(ContrastRatio(kEndCaptionColour, kBackground), 3.0);
}

}  // namespace
}  // namespace drawchk::design
