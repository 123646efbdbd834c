#include "command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "screen.h"

namespace drawchk {
namespace {

struct RawLine {
    const wchar_t* line;
    const wchar_t* argument_text;
    bool batch;
};

// The raw command lines Windows hands a program, with the program name as a shell, Explorer
// or the Task Scheduler writes it.
TEST(WindowsCommandLine, SkipsTheProgramNameAsWindowsDoesAndKeepsTheRestRaw) {
    const RawLine lines[] = {
        {L"drawchk.exe Frissit", L"Frissit", true},
        {L"\"C:\\Ken\u00f3 programok\\drawchk.exe\" Frissit", L"Frissit", true},
        {L"\"C:\\Ken\u00f3\\drawchk.exe\"Frissit", L"Frissit", true},
        {L"drawchk.exe \t  Frissit", L"Frissit", true},
        {L"drawchk.exe", L"", false},
        {L"\"C:\\drawchk.exe\"", L"", false},
        {L"\"C:\\unclosed Frissit", L"", false},
        {L"drawchk.exe Frissit ", L"Frissit ", false},
        {L"drawchk.exe \"Frissit\"", L"\"Frissit\"", false},
        {L"drawchk.exe frissit", L"frissit", false},
        {L"drawchk.exe Frissit x", L"Frissit x", false},
    };
    for (const RawLine& raw : lines) {
        const std::wstring_view text = ArgumentText(raw.line);
        EXPECT_EQ(text, raw.argument_text) << "line " << (&raw - lines);
        EXPECT_EQ(IsBatchMode(text), raw.batch) << "line " << (&raw - lines);
    }
}

TEST(PosixCommandLine, JoinsTheArgumentsAndDropsLeadingBlanks) {
    const std::vector<std::pair<std::vector<const char*>, std::string>> lines = {
        {{"drawchk"}, ""},
        {{"drawchk", "Frissit"}, "Frissit"},
        {{"drawchk", "", "  Frissit"}, "Frissit"},
        {{"drawchk", "Frissit", "x"}, "Frissit x"},
        {{"drawchk", "\tFrissit "}, "Frissit "},
    };
    for (const auto& [argv, text] : lines) {
        EXPECT_EQ(ArgumentText(static_cast<int>(argv.size()), argv.data()), text);
    }
    EXPECT_TRUE(IsBatchMode(std::string_view("Frissit")));
    EXPECT_FALSE(IsBatchMode(std::string_view("FRISSIT")));
    EXPECT_FALSE(IsBatchMode(std::string_view("Frissi")));
}

// On Wayland a window cannot stay on top, so X through XWayland serves where it is there.
TEST(WindowPlatform, WaylandWithXWaylandOpensTheWindowOnX) {
    struct Case {
        bool x_display;
        bool wayland_display;
        std::string_view platform;
    };
    const Case cases[] = {
        {true, true, "xcb"}, {false, true, ""}, {true, false, ""}, {false, false, ""}};
    for (const Case& c : cases) {
        EXPECT_EQ(ChooseWindowPlatform(c.x_display, c.wayland_display), c.platform)
            << "case " << (&c - cases);
    }
}

}  // namespace
}  // namespace drawchk
