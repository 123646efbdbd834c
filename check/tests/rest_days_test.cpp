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
                      ListedCase{"Utf16LittleEndian",
                                 std::string("\xFF\xFEn\0\xE9\0\n\0 \0" "1\0" "0\0" "2\0" "3\0" "1\0", 20),
                                 true},
                      ListedCase{"Utf16BigEndian",
                                 std::string("\xFE\xFF\0" "1\0" "0\0" "2\0" "3\0" "1\0\r", 14),
                                 true},
                      ListedCase{"NoteBeforeTheNumber", "# 10231\r\n", false},
                      ListedCase{"NumberInsideAWord", "x10231\r\n", false},
                      ListedCase{"TooLongForADrawNumber", "1023100000000000000000\r\n", false},
                      ListedCase{"Empty", "", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ListedRestDaysFile, OnlyWholeLinesWithinTheBoundCount) {
    TempFolder folder;
    const std::string filler(RestDays::kListedBytes - 3, '\n');
    // "10231" lies inside the bound; "100500" is cut at "100", which must not count as 100.
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
    EXPECT_FALSE(rest_days.Contains(0));
    EXPECT_TRUE(rest_days.Contains(5489));
}

}  // namespace
}  // namespace drawchk
