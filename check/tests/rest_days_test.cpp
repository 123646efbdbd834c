#include "rest_days.h"

#include <gtest/gtest.h>

#include <string>

#include "draw_calendar.h"
#include "temp_folder.h"

namespace drawchk {
namespace {

using testing::TempFolder;
using testing::WriteFile;

struct ListedCase {
    const char* name;
    std::string text;
    bool adds_10231;
    // How many days later than with no list the walk dates draw 10240, and the first faulty
    // line's number and kind, with how many more there are.
    int moved = 0;
    std::string faults = {};
};

void PrintTo(const ListedCase& c, std::ostream* out) { *out << c.name; }

// `text` as Notepad saves "Unicode": UTF-16 after its byte-order mark.
std::string Utf16(std::u16string_view text, bool big_endian) {
    std::string bytes = big_endian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char16_t unit : text) {
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        bytes += big_endian ? std::string{high, low} : std::string{low, high};
    }
    return bytes;
}

class ListedRestDays : public ::testing::TestWithParam<ListedCase> {};

// The date the walk gives draw 10240, one draw a day from 5001.
std::chrono::sys_days DateOf10240(const RestDays& rest_days) {
    DrawCalendar calendar(rest_days);
    std::string row;
    for (int draw = 5001; draw <= 10240; ++draw) {
        calendar.NextRow(std::to_string(draw), kHungarianDayLabels, row);
    }
    return std::chrono::sys_days{calendar.PreviousDate()};
}

TEST_P(ListedRestDays, AddTheDrawOrDayALineBeginsWithAfterBlanks) {
    RestDays rest_days;
    const ListedFaults faults = rest_days.AddListed(GetParam().text);
    EXPECT_EQ(rest_days.Contains(10231), GetParam().adds_10231);
    // The days the program knows stay whatever the list says.
    EXPECT_TRUE(rest_days.Contains(5489));
    EXPECT_TRUE(rest_days.Contains(9867));
    EXPECT_EQ(DateOf10240(rest_days) - DateOf10240(RestDays()),
              std::chrono::days{GetParam().moved});
    static constexpr const char* kKinds[] = {"", "", "", "neither", "day first", "before"};
    const std::string said = faults.first ? std::to_string(faults.first_entry.line) + " " +
                                                kKinds[faults.first->kind] + " +" +
                                                std::to_string(faults.more)
                                          : "";
    EXPECT_EQ(said, GetParam().faults);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ListedRestDays,
    ::testing::Values(
        ListedCase{"Number", "10231\r\n", true, 1},
        ListedCase{"BlanksNoteAndNoLineEnd", "nincs húzás:\n \t10231 karácsony", true, 1},
        ListedCase{"AmongOthersWithLoneLineEnds", "9000\r10231\n\n12000", true, 2},
        ListedCase{"AfterAByteOrderMark",
                   "\xEF\xBB\xBF"
                   "10231\r\n",
                   true, 1},
        ListedCase{"Utf16LittleEndian", Utf16(u"né\n 10231", false), true, 1},
        ListedCase{"Utf16BigEndian", Utf16(u"10231\r", true), true, 1},
        ListedCase{"Utf16WithoutAByteOrderMark", Utf16(u"szünnap\r\n10231\r\n", false).substr(2),
                   true, 1},
        ListedCase{"ThousandsAfterABlank", "10 231\r\n", true, 1},
        ListedCase{"ThousandsAfterANoBreakSpace",
                   "10\xC2\xA0"
                   "231\r\n",
                   true, 1},
        ListedCase{"OrdinalDot", "10231.\r\n", true, 1},
        ListedCase{"BlankBeforeNoGroupOfThree", "10 2310\r\n", false, 0, "1 neither +0"},
        ListedCase{"NoteBeforeTheNumber", "# 10231\r\n", false},
        ListedCase{"NumberInsideAWord", "x10231\r\n", false},
        ListedCase{"TooLongForADrawNumber", "1023100000000000000000\r\n", false, 0, "1 neither +0"},
        ListedCase{"Empty", "", false},
        ListedCase{"MixedDrawsAndDays", "2025-12-25 karácsony\r\n9000\r\n", false, 2},
        ListedCase{"TwoDaysInARow", "2025.12.25.\r\n2025. dec. 26.\r\n", false, 2},
        ListedCase{"KnownDayListedAgainMovesNothingTwice", "2024-12-25\r\n9867\r\n", false},
        ListedCase{"DayBeforeTheFirstDraw", "2010-12-25\r\n", false, 0, "1 before +0"},
        ListedCase{"NeitherFormThenMore", "ok\r\n2025-13-45\r\n3000\r\n12ab\r\n", false, 0,
                   "2 neither +2"},
        ListedCase{"DayFirst", "25.12.2025\r\n", false, 0, "1 day first +0"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ListedRestDaysFile, OnlyWholeLinesWithinTheBoundCount) {
    TempFolder folder;
    // "10231" lies inside the bound; "100500" straddles it, cut at "100", which must not count
    // as 100.
    const std::string filler(RestDays::kListedBytes - 6 - 3, '\n');
    WriteFile(folder / "szunnapok.txt", "10231\n" + filler + "100500\n12000\n");
    RestDays rest_days;
    rest_days.AddListedIn(folder / "szunnapok.txt");
    EXPECT_TRUE(rest_days.Contains(10231));
    EXPECT_FALSE(rest_days.Contains(100));
    EXPECT_FALSE(rest_days.Contains(100500));
    EXPECT_FALSE(rest_days.Contains(12000));
}

TEST(ListedRestDaysFile, MissingOrAFolderAddsNothing) {
    TempFolder folder;
    RestDays rest_days;
    rest_days.AddListedIn(folder / "szunnapok.txt");
    std::filesystem::create_directory(folder / "szunnapok.txt");
    rest_days.AddListedIn(folder / "szunnapok.txt");
    const RestDays known;
    for (std::int64_t draw = 0; draw < 100000; ++draw) {
        ASSERT_EQ(rest_days.Contains(draw), known.Contains(draw)) << draw;
    }
}

}  // namespace
}  // namespace drawchk
