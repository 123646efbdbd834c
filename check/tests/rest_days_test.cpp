#include "rest_days.h"

#include <gtest/gtest.h>

#include <string>

#include "temp_folder.h"

namespace drawchk {
namespace {

using testing::TempFolder;
using testing::WriteFile;

struct ListedCase {
    const char* name;
    std::string text;
    bool adds_10231;
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

TEST_P(ListedRestDays, AddTheNumberALineBeginsWithAfterBlanks) {
    RestDays rest_days;
    rest_days.AddListed(GetParam().text);
    EXPECT_EQ(rest_days.Contains(10231), GetParam().adds_10231);
    // The days the program knows stay whatever the list says.
    EXPECT_TRUE(rest_days.Contains(5489));
    EXPECT_TRUE(rest_days.Contains(9867));
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ListedRestDays,
    ::testing::Values(ListedCase{"Number", "10231\r\n", true},
                      ListedCase{"BlanksNoteAndNoLineEnd", "nincs húzás:\n \t10231 karácsony",
                                 true},
                      ListedCase{"AmongOthersWithLoneLineEnds", "9000\r10231\n\n12000", true},
                      ListedCase{"AfterAByteOrderMark",
                                 "\xEF\xBB\xBF"
                                 "10231\r\n",
                                 true},
                      ListedCase{"Utf16LittleEndian", Utf16(u"né\n 10231", false), true},
                      ListedCase{"Utf16BigEndian", Utf16(u"10231\r", true), true},
                      ListedCase{"Utf16WithoutAByteOrderMark",
                                 Utf16(u"szünnap\r\n10231\r\n", false).substr(2), true},
                      ListedCase{"ThousandsAfterABlank", "10 231\r\n", true},
                      ListedCase{"ThousandsAfterANoBreakSpace",
                                 "10\xC2\xA0"
                                 "231\r\n",
                                 true},
                      ListedCase{"BlankBeforeNoGroupOfThree", "10 2310\r\n", false},
                      ListedCase{"NoteBeforeTheNumber", "# 10231\r\n", false},
                      ListedCase{"NumberInsideAWord", "x10231\r\n", false},
                      ListedCase{"TooLongForADrawNumber", "1023100000000000000000\r\n", false},
                      ListedCase{"Empty", "", false}),
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
