#include "run_check.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "chunked_source.h"
#include "sample_draws.h"
#include "temp_folder.h"

namespace drawchk {
namespace {

using testing::NumberedLines;
using testing::ReadFile;
using testing::TempFolder;
using testing::WriteFile;

class RunCheckTest : public ::testing::Test {
  protected:
    CheckOutcome Check() { return RunCheck(folder_.path(), rows_, kHungarianDayLabels); }
    std::string Result() const { return ReadFile(folder_ / "Drawchk.txt"); }

    TempFolder folder_;
    RowList rows_;
};

TEST_F(RunCheckTest, DatesEveryDrawAfterTheHistoryAndWritesTheNewest) {
    WriteFile(folder_ / "keno.old", SampleDraws(1, 10113));
    const CheckOutcome outcome = Check();
    EXPECT_EQ(outcome.draw_file, DrawFile::kRead);
    EXPECT_TRUE(outcome.result_written);
    ASSERT_EQ(rows_.Count(), 5113);
    EXPECT_EQ(rows_.Text(0), "5001   2011-08-25  Cs");
    EXPECT_EQ(rows_.Text(5112), "10113   2025-08-29  P");
    EXPECT_EQ(rows_.FirstVisible(), 5113 - 15);
    EXPECT_EQ(Result(), "10113   2025-08-29  P\r\n");
}

TEST_F(RunCheckTest, SecondCheckGivesTheSameRowsNotTwiceAsMany) {
    WriteFile(folder_ / "keno.old", NumberedLines(5020));
    Check();
    const std::string first_last(rows_.Text(19));
    Check();
    EXPECT_EQ(rows_.Count(), 20);
    EXPECT_EQ(rows_.Text(19), first_last);
    EXPECT_EQ(rows_.FirstVisible(), 5);
}

TEST_F(RunCheckTest, FewerThanFifteenRowsLeaveTheFirstRowAtTheTop) {
    WriteFile(folder_ / "keno.old", NumberedLines(5040));
    Check();
    ASSERT_EQ(rows_.FirstVisible(), 25);
    WriteFile(folder_ / "keno.old", NumberedLines(5010));
    Check();
    EXPECT_EQ(rows_.Count(), 10);
    EXPECT_EQ(rows_.FirstVisible(), 0);
}

TEST_F(RunCheckTest, NoDrawAfterTheHistoryGivesAnEmptyListAndAnEmptyLine) {
    // Exactly the history, a short file, an empty file, and no file at all.
    const std::optional<std::string> draw_files[] = {NumberedLines(5000), NumberedLines(12), "",
                                                     std::nullopt};
    for (const std::optional<std::string>& draws : draw_files) {
        WriteFile(folder_ / "Drawchk.txt", "old result\r\n");
        std::filesystem::remove(folder_ / "keno.old");
        if (draws) WriteFile(folder_ / "keno.old", *draws);
        rows_.Append("left from before");
        const CheckOutcome outcome = Check();
        EXPECT_EQ(outcome.draw_file, draws ? DrawFile::kRead : DrawFile::kMissing);
        EXPECT_TRUE(outcome.result_written);
        EXPECT_EQ(rows_.Count(), 0);
        EXPECT_EQ(Result(), "\r\n");
    }
}

TEST_F(RunCheckTest, EmptyLineAtTheEndIsOneMoreDraw) {
    WriteFile(folder_ / "keno.old", NumberedLines(5001) + "\r\n");
    Check();
    ASSERT_EQ(rows_.Count(), 2);
    EXPECT_EQ(Result(), "   2011-08-26  P\r\n");
}

TEST_F(RunCheckTest, WindowsTextBytesReachTheResultUnchanged) {
    WriteFile(folder_ / "keno.old", NumberedLines(5000) + "\xF5\xE9\xE1\xFB 1 2\r\n");
    Check();
    EXPECT_EQ(Result(), "\xF5\xE9\xE1\xFB   2011-08-25  Cs\r\n");
}

TEST_F(RunCheckTest, LineEndsInAQuotedNumberAreBlanksSoTheResultIsOneLine) {
    WriteFile(folder_ / "keno.old", NumberedLines(5000) + "\"1\r\n34\"\r\n\"5\n6\r7\"\r\n");
    Check();
    EXPECT_EQ(rows_.Text(0), "1  3   2011-08-25  Cs");
    EXPECT_EQ(Result(), "5 6    2011-08-26  P\r\n");
}

TEST_F(RunCheckTest, ListedRestDayMovesEveryLaterRowAndCountsOnce) {
    WriteFile(folder_ / "keno.old", SampleDraws(1, 10113));
    // A day without a draw before 10100, listed twice beside one the program knows.
    WriteFile(folder_ / "szunnapok.txt", "10100\r\n10100\r\n5489\r\n");
    Check();
    EXPECT_EQ(rows_.Text(10099 - 5001), "10099   2025-08-15  P");
    EXPECT_EQ(rows_.Text(10100 - 5001), "10100   2025-08-17  V");
    EXPECT_EQ(Result(), "10113   2025-08-30  Szo\r\n");
    // An edit counts at the next check.
    std::filesystem::remove(folder_ / "szunnapok.txt");
    Check();
    EXPECT_EQ(Result(), "10113   2025-08-29  P\r\n");
}

// The four readings of the newest row that the guide gives, on the sample, whose newest draw is
// 10113 on 2025-08-29: each leads to the file it names. With no draw on 2025-12-25 the first
// row dated that day is the draw to list in szunnapok.txt.
TEST_F(RunCheckTest, TheGuidesFourReadingsOfTheNewestRowHold) {
    struct Case {
        const char* reading;
        std::string draws;
        const char* rest_days;
        const char* newest;
        bool marked;
    };
    const Case cases[] = {
        {"complete", SampleDraws(1, 10113), "", "10113   2025-08-29  P", false},
        {"marked from a removed line", SampleDraws(1, 10104) + SampleDraws(10106, 10113), "",
         "10113   2025-08-28  Cs", true},
        {"lower number: the newest draw missing", SampleDraws(1, 10112), "",
         "10112   2025-08-28  Cs", false},
        {"a day early: no draw on 2025-12-25", SampleDraws(1, 10240), "", "10240   2026-01-03  Szo",
         false},
        {"the same, listed", SampleDraws(1, 10240), "10231\r\n", "10240   2026-01-04  V", false},
    };
    for (const Case& c : cases) {
        WriteFile(folder_ / "keno.old", c.draws);
        WriteFile(folder_ / "szunnapok.txt", c.rest_days);
        Check();
        EXPECT_EQ(rows_.Text(rows_.Count() - 1), c.newest) << c.reading;
        EXPECT_EQ(rows_.FirstBreak().has_value(), c.marked) << c.reading;
        if (rows_.Count() > 10231 - 5001 && *c.rest_days == '\0') {
            EXPECT_EQ(rows_.Text(10231 - 5001), "10231   2025-12-25  Cs") << c.reading;
        }
    }
}

// Marks, one per row: 'x' for a row whose draw is not the one of its place, '.' otherwise;
// then where the file breaks: the row, the draw there and the one that belongs there.
std::string Marks(const std::string& draws) {
    MemorySource source(draws);
    RowList rows;
    DateDraws(source, rows, kHungarianDayLabels, RestDays(), 2);
    std::string marks;
    for (int i = 0; i < rows.Count(); ++i) marks.push_back(rows.OutOfPlace(i) ? 'x' : '.');
    if (const auto& at = rows.FirstBreak()) {
        for (const std::string& part :
             {std::string(" "), std::to_string(at->row), std::string(": "),
              std::to_string(at->draw), std::string(" for "), std::to_string(at->expected_draw)}) {
            marks += part;
        }
    }
    return marks;
}

TEST(DateDraws, MarksTheRowsWhoseDrawIsNotTheOneOfTheirPlace) {
    // Two lines of history, then draws from 3 on.
    EXPECT_EQ(Marks("1\n2\n3\n4\n5\n6\n"), "....");
    EXPECT_EQ(Marks("1\n2\n3\n4\n6\n7\n"), "..xx 2: 6 for 5") << "a missing line";
    EXPECT_EQ(Marks("1\n2\n3\n4\n4\n5\n6\n"), "..xxx 2: 4 for 5") << "a doubled line";
    EXPECT_EQ(Marks("1\n2\n3\n3\n4\n6\n7\n"), ".xx.. 1: 3 for 4") << "doubled, then missing";
    EXPECT_EQ(Marks("1\n2\n3\n\n4\n5\n"), ".xxx 1: 0 for 4") << "an empty line";
    EXPECT_EQ(Marks("1\n2\n3\nabc\n5\n"), ".x. 1: 0 for 4") << "an item that is no draw";
}

// Draws 5001 to 5200 after the history, each dated (where `dated` says so) as `written` writes
// the real day: one a day from 2011-08-25, with `gap` days without a draw before draw 5170.
std::string DatedLines(
    int gap, std::string (*written)(int number, const std::string& date),
    bool (*dated)(int number) = [](int) { return true; }, int shift = 0) {
    std::string lines = NumberedLines(kHistoryItems);
    for (int number = 5001; number <= 5200; ++number) {
        const auto day = std::chrono::sys_days{DrawCalendar::kFirstPreviousDate} +
                         std::chrono::days{number - 5000 + shift + (number >= 5170 ? gap : 0)};
        lines += dated(number) ? written(number, DateText(day)) : std::to_string(number);
        lines += "\r\n";
    }
    return lines;
}

std::string WithBlank(int number, const std::string& date) {
    return std::to_string(number) + " " + date + " 3 6 9";
}

// `lines` with draw `number`'s own date written as `date`, as a typo writes it.
std::string Mistyped(std::string lines, int number, const std::string& date) {
    std::string line_start = "\n";
    line_start += std::to_string(number);
    const std::size_t at = lines.find(line_start + " ") + 6;
    return lines.replace(at, 10, date);
}

// Where the lines carry their own dates, they name a day the count missed, or a listed day
// that had a draw; a parting that nothing after it confirms is a doubt, which moves nothing
// (a single mistyped date is hunted by the wrong-answers test); dates that never agree with
// the count say nothing.
TEST(DateDraws, TheLinesOwnDatesNameWhereTheCountWentWrong) {
    struct Case {
        const char* name;
        std::string draws;
        const char* rest_days;
        // The days named, "listed LINE" for a listed line named, "doubt DRAW" for a doubt.
        std::vector<std::string> named;
        std::optional<int> newest_moved;
    };
    const Case cases[] = {
        {"agree", DatedLines(0, WithBlank), "", {}, 0},
        {"one unknown day", DatedLines(1, WithBlank), "", {"2012-02-10"}, 1},
        {"two days in a row", DatedLines(2, WithBlank), "", {"2012-02-10", "2012-02-11"}, 2},
        {"a listed day that had a draw",
         DatedLines(0, WithBlank),
         "# ünnep\n2012-02-10\n",
         {"listed 2"},
         -1},
        {"a right and a wrong day listed",
         DatedLines(1, WithBlank),
         "2012-02-10\n2011-12-20\n",
         {"listed 2"},
         -1},
        {"dates that never agree",
         DatedLines(
             1, WithBlank, [](int) { return true; }, 1),
         "",
         {},
         std::nullopt},
        {"some lines dated",
         DatedLines(1, WithBlank, [](int n) { return n % 3 != 0; }),
         "",
         {"2012-02-10"},
         1},
        {"few lines dated",
         DatedLines(1, WithBlank, [](int n) { return n % 3 == 0; }),
         "",
         {},
         std::nullopt},
        {"a time after the date",
         DatedLines(1,
                    [](int number, const std::string& date) {
                        return std::to_string(number) + ";" + date.substr(0, 4) + "." +
                               date.substr(5, 2) + "." + date.substr(8, 2) + ". 20:00;3;6";
                    }),
         "",
         {"2012-02-10"},
         1},
        {"the newest days a day ahead, too few to confirm",
         Mistyped(Mistyped(DatedLines(0, WithBlank), 5199, "2012-03-11"), 5200, "2012-03-12"),
         "",
         {"doubt 5199"},
         0},
        {"a lasting parting no rest day explains",
         DatedLines(9, WithBlank),
         "",
         {"doubt 5170"},
         std::nullopt},
    };
    for (const Case& c : cases) {
        RestDays rest_days;
        rest_days.AddListed(c.rest_days);
        MemorySource source(c.draws);
        RowList rows;
        const LineDatesFinding found =
            DateDraws(source, rows, kHungarianDayLabels, rest_days).line_dates;
        std::vector<std::string> named;
        for (const auto day : found.unknown_days) named.push_back(DateText(day));
        for (const ListedEntry& entry : found.wrongly_listed) {
            named.push_back("listed " + std::to_string(entry.line));
        }
        if (found.doubted) named.push_back("doubt " + std::to_string(found.doubted->draw));
        EXPECT_EQ(named, c.named) << c.name;
        ASSERT_EQ(found.newest_date.has_value(), c.newest_moved.has_value()) << c.name;
        if (c.newest_moved) {
            EXPECT_EQ(
                std::chrono::sys_days{*found.newest_date},
                std::chrono::sys_days{*rows.NewestDate()} + std::chrono::days{*c.newest_moved})
                << c.name;
        }
    }
}

TEST(DateDraws, AFailedReadEndsTheWalkWithoutTheItemItCutAndSaysSo) {
    const std::string draws = NumberedLines(5010);
    const std::size_t at_5006 = NumberedLines(5005).size();
    // A read failing at a line's start, inside a number, on the history's first byte, on the
    // last line end (the item was whole) and just before it (it was not).
    const std::pair<std::size_t, int> failures[] = {
        {at_5006, 5}, {at_5006 + 2, 5}, {0, 0}, {draws.size() - 1, 10}, {draws.size() - 2, 9}};
    for (const auto& [fail_at, rows_kept] : failures) {
        testing::ChunkedSource source(std::string_view(draws), 1, fail_at);
        RowList rows;
        EXPECT_FALSE(DateDraws(source, rows, kHungarianDayLabels).read_whole) << fail_at;
        ASSERT_EQ(rows.Count(), rows_kept) << fail_at;
        if (rows_kept > 0) {
            EXPECT_EQ(rows.Text(rows_kept - 1).substr(0, 4), std::to_string(5000 + rows_kept));
        }
    }
    testing::ChunkedSource whole(std::string_view(draws), 7);
    RowList rows;
    EXPECT_TRUE(DateDraws(whole, rows, kHungarianDayLabels).read_whole);
    EXPECT_EQ(rows.Count(), 10);
}

TEST(DateDraws, FullListDropsTheNextItemAndStopsReading) {
    const std::string draws = NumberedLines(kHistoryItems + 40000);
    testing::ChunkedSource source(std::string_view(draws), 1);
    RowList rows;
    DateDraws(source, rows, kHungarianDayLabels);
    ASSERT_EQ(rows.Count(), RowList::kMaxRows);
    EXPECT_EQ(rows.Text(RowList::kMaxRows - 1).substr(0, 5), std::to_string(5000 + 32767));
    // It stops reading soon after the list is full, not at the file's end.
    EXPECT_LT(static_cast<std::size_t>(source.chunks()),
              NumberedLines(kHistoryItems + RowList::kMaxRows + 10).size());
}

}  // namespace
}  // namespace drawchk
