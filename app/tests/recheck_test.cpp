// When the windows and batch mode look at the files again, decided without a clock.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>

#include "batch.h"
#include "checked_files.h"
#include "recheck_rule.h"
#include "temp_folder.h"
#include "window_check.h"

namespace drawchk {
namespace {

using namespace std::chrono_literals;
using std::chrono::system_clock;
using testing::NumberedLines;
using testing::TempFolder;
using testing::WriteFile;

// A window checks again at every new day, and after the files settle only where the check's
// own files changed: its write of the result file starts no other check.
TEST(RecheckRule, ChecksAgainAtANewDayAndForTheCheckedFilesAlone) {
    TempFolder folder;
    WriteFile(folder / "keno.old", NumberedLines(5002));
    WindowCheck check(folder.path(), [] { return std::chrono::year{2011} / 8 / 27; });
    check.Run();
    const struct {
        const char* step;
        std::function<void()> make;
        Wake wake;
        bool checks;
    } steps[] = {
        {"the result written", [] {}, Wake::kFilesSettled, false},
        {"a new day", [] {}, Wake::kNewDay, true},
        {"keno.old written", [&] { WriteFile(folder / "keno.old", NumberedLines(5003)); },
         Wake::kFilesSettled, true},
        {"nothing since", [] {}, Wake::kFilesSettled, false},
    };
    for (const auto& s : steps) {
        s.make();
        EXPECT_EQ(check.ChecksAgain(s.wake), s.checks) << s.step;
    }
}

// A second past midnight, and never sooner than a second or later than 25 hours, whatever a
// time zone's rules or a clock set back make of midnight.
TEST(RecheckRule, NewDayComesASecondPastMidnightWithinItsBounds) {
    const system_clock::time_point now{std::chrono::hours(24 * 20000)};
    const struct {
        system_clock::duration midnight;  // after now
        system_clock::duration new_day;
    } cases[] = {
        {1h, 1h + 1s}, {1ms, 1s + 1ms}, {0s, 1s}, {-10s, 1s}, {23h, 23h + 1s}, {30h, 25h},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NewDayAt(now, now + c.midnight) - now, c.new_day)
            << std::chrono::duration_cast<std::chrono::milliseconds>(c.midnight).count();
    }
}

// A file written less than a second before batch mode looks at it, or dated after that, is
// waited on until it has been still for a second.
TEST(BatchSettle, WaitsUntilTheDrawFileHasBeenStillASecond) {
    const system_clock::time_point start{std::chrono::hours(24 * 20000)};
    const struct {
        system_clock::duration written;  // before the start
        std::chrono::milliseconds wait;
    } cases[] = {
        {1h, 0ms}, {2s, 0ms}, {1s, 0ms}, {500ms, 500ms}, {0s, 1000ms}, {-10s, 11000ms},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(StillFor(start - c.written, start), c.wait)
            << std::chrono::duration_cast<std::chrono::milliseconds>(c.written).count();
    }
}

// Only keno.old and the rest-day lists count, whatever happens to them; the result file the
// check writes, or any other file, never does.
TEST(CheckedFiles, ChangeOnlyWhereTheFilesACheckReadsDo) {
    TempFolder folder;
    WriteFile(folder / "keno.old", "5001\r\n");
    CheckedFiles files(folder.path());
    files.Changed();
    const struct {
        const char* step;
        std::function<void()> make;
        bool changed;
    } steps[] = {
        {"nothing", [] {}, false},
        {"result written", [&] { WriteFile(folder / "Drawchk.txt", "x\r\n"); }, false},
        {"another file", [&] { WriteFile(folder / "notes.txt", "x"); }, false},
        {"keno.old written", [&] { WriteFile(folder / "keno.old", "5001\r\n5002\r\n"); }, true},
        {"keno.old's time",
         [&] {
             std::filesystem::last_write_time(
                 folder / "keno.old",
                 std::filesystem::last_write_time(folder / "keno.old") + std::chrono::seconds(5));
         },
         true},
        {"keno.old replaced",
         [&] {
             WriteFile(folder / "keno.new", "5002\r\n");
             std::filesystem::rename(folder / "keno.new", folder / "keno.old");
         },
         true},
        {"list made", [&] { WriteFile(folder / "szunnapok.txt", "10231\r\n"); }, true},
        {"list removed", [&] { std::filesystem::remove(folder / "szunnapok.txt"); }, true},
        {"keno.old removed", [&] { std::filesystem::remove(folder / "keno.old"); }, true},
    };
    for (const auto& s : steps) {
        s.make();
        EXPECT_EQ(files.Changed(), s.changed) << s.step;
    }
}

}  // namespace
}  // namespace drawchk
