// Runs the built drawchk.exe as a user or the Task Scheduler would, in a program folder of its
// own, under Wine on the build machine.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "batch_cases.h"
#include "program_copy.h"
#include "sample_draws.h"

namespace drawchk {
namespace {

using testing::ProgramCopy;
using testing::ProgramRun;
using testing::ReadFile;
using testing::RunProgram;
using testing::WriteFile;

const std::string kEarlier = "earlier result\r\n";

// Closes `held` once the program has run `ms` milliseconds, and leaves it null.
std::function<void(std::chrono::milliseconds)> LetGoAfter(HANDLE& held, int ms) {
    return [&held, ms](std::chrono::milliseconds ran) {
        if (held == nullptr || ran.count() < ms) return;
        CloseHandle(held);
        held = nullptr;
    };
}

using testing::BatchCase;

const std::string kExplorerTip =
    " A teljes nevet a Fájlkezelő mutatja, ha a Nézet lapon (Windows 11-en: Nézet, "
    "Megjelenítés) bekapcsolja a „Fájlnévkiterjesztések” lehetőséget.\n";

class Batch : public ::testing::TestWithParam<BatchCase> {};

TEST_P(Batch, WritesTheResultAndExitsWithItsStatus) { testing::ExpectBatchRun(GetParam()); }

// What only Windows hands over: the raw command line, blanks and tabs before the word kept.
INSTANTIATE_TEST_SUITE_P(
    Runs, Batch,
    ::testing::ValuesIn(testing::BatchCases({
        // Explorer shows a name with an extension added as the one wanted: the line says how
        // to see it whole.
        {.name = "MisnamedRestDayListIsNamed",
         .draws = SampleDraws(1, 10113),
         .status = 0,
         .result = "10113   2025-08-29  P\r\n",
         .output = "drawchk: nincs szunnapok.txt, de van „szunnapok.txt.txt”: nevezze át "
                   "szunnapok.txt névre." +
                   kExplorerTip,
         .rest_days = "10100\r\n",
         .rest_day_file = "szunnapok.txt.txt"},
        {.name = "SavedWithTxtAddedSaysToRenameIt",
         .draws = SampleDraws(1, 10113),
         .status = 1,
         .result = "\r\n",
         .output = "drawchk: nincs keno.old, de van „keno.old.txt”: nevezze át keno.old névre." +
                   kExplorerTip,
         .draw_file = "keno.old.txt"},
        {.name = "LeadingBlanksAndTabs",
         .draws = SampleDraws(1, 10113),
         .status = 0,
         .result = "10113   2025-08-29  P\r\n",
         .args = {" \t Frissit"}},
    })),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BatchResultFile, HeldOpenByAnotherProgramStaysWholeAndTheStatusSaysSo) {
    ProgramCopy folder;
    WriteFile(folder / "keno.old", SampleDraws(1, 5001));
    WriteFile(folder / "Drawchk.txt", kEarlier);
    const auto result = folder / "Drawchk.txt";
    const HANDLE held = CreateFileW(result.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const ProgramRun run = RunProgram(folder.program(), {.args = {"Frissit"}});
    CloseHandle(held);
    EXPECT_TRUE(run.exited);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(ReadFile(result), kEarlier);
    EXPECT_EQ(folder.Names(), (std::vector<std::string>{"Drawchk.txt", "drawchk.exe", "keno.old"}));
}

// A virus scanner or a viewer that holds the result for a moment only delays the replace: let
// go only once the program has run a while, so that it must have waited.
TEST(BatchResultFile, HeldOpenForAMomentIsReplacedWhenLetGo) {
    ProgramCopy folder;
    WriteFile(folder / "keno.old", SampleDraws(1, 5001));
    WriteFile(folder / "Drawchk.txt", kEarlier);
    const auto result = folder / "Drawchk.txt";
    HANDLE held = CreateFileW(result.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const ProgramRun run =
        RunProgram(folder.program(), {.args = {"Frissit"}, .running = LetGoAfter(held, 500)});
    EXPECT_EQ(held, nullptr) << "the program ended before it was let go";
    EXPECT_TRUE(run.exited);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(ReadFile(result), "5001   2011-08-25  Cs\r\n");
}

TEST(BatchDrawFile, AFolderNamedKenoOldIsAFailedOpen) {
    ProgramCopy folder;
    std::filesystem::create_directory(folder / "keno.old");
    WriteFile(folder / "Drawchk.txt", kEarlier);
    const ProgramRun run = RunProgram(folder.program(), {.args = {"Frissit"}});
    EXPECT_TRUE(run.exited);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.output, "drawchk: a keno.old nem olvasható; próbálja meg később újra.\n");
    EXPECT_EQ(ReadFile(folder / "Drawchk.txt"), "\r\n");
}

// A program that holds keno.old without sharing it, as one saving it may, is waited for about
// a second: let go after the program has run a while, it was waited out; held all the while,
// it is named once the program has waited the second.
TEST(BatchDrawFile, HeldByAnotherProgramIsWaitedForThenNamed) {
    const struct {
        int held_ms;
        int status;
        std::string result;
        std::string output;
    } cases[] = {
        {500, 0, "10113   2025-08-29  P\r\n", ""},
        {60000, 1, "\r\n",
         "drawchk: a keno.old fájlt egy másik program használja; próbálja meg később újra.\n"},
    };
    for (const auto& c : cases) {
        ProgramCopy folder;
        WriteFile(folder / "keno.old", SampleDraws(1, 10113));
        HANDLE held = CreateFileW((folder / "keno.old").c_str(), GENERIC_READ, 0, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(held, INVALID_HANDLE_VALUE);
        std::chrono::milliseconds ran{0};
        const auto let_go = LetGoAfter(held, c.held_ms);
        const ProgramRun run =
            RunProgram(folder.program(), {.args = {"Frissit"}, .running = [&](auto running) {
                                              ran = running;
                                              let_go(running);
                                          }});
        if (held != nullptr) CloseHandle(held);
        EXPECT_TRUE(run.exited);
        EXPECT_EQ(run.status, c.status) << c.held_ms;
        EXPECT_EQ(run.output, c.output) << c.held_ms;
        EXPECT_EQ(ReadFile(folder / "Drawchk.txt"), c.result) << c.held_ms;
        // It waited: past the hold where it was let go, about a second where it was not.
        EXPECT_GE(ran.count(), std::min(c.held_ms, 900)) << c.held_ms;
    }
}

// A task set to run whether the user is logged on or not runs in a window station no one
// sees: a mistyped batch word there ends at once with status 3 instead of waiting for days.
TEST(NoScreen, AWindowStationNoOneSeesEndsTheProgramWithStatusThree) {
    ProgramCopy folder;
    WriteFile(folder / "keno.old", SampleDraws(1, 5010));
    const HWINSTA interactive = GetProcessWindowStation();
    const HWINSTA unseen = CreateWindowStationW(L"DrawchkTask", 0, WINSTA_ALL_ACCESS, nullptr);
    ASSERT_NE(unseen, nullptr);
    ASSERT_TRUE(SetProcessWindowStation(unseen));
    const HDESK desktop = CreateDesktopW(L"Default", nullptr, nullptr, 0, GENERIC_ALL, nullptr);
    SetProcessWindowStation(interactive);
    ASSERT_NE(desktop, nullptr);
    const ProgramRun run = RunProgram(folder.program(), {.args = {"frissit"},
                                                         .deadline = std::chrono::seconds(20),
                                                         .desktop = "DrawchkTask\\Default"});
    CloseDesktop(desktop);
    CloseWindowStation(unseen);
    EXPECT_TRUE(run.exited);
    EXPECT_EQ(run.status, 3);
    EXPECT_EQ(folder.Names(), (std::vector<std::string>{"drawchk.exe", "keno.old"}));
}

// Needs a display: any other command line opens the window, which waits for the user.
class WindowStart : public ::testing::TestWithParam<std::string> {};

TEST_P(WindowStart, OpensTheWindowAndWritesNothing) {
    ProgramCopy folder;
    WriteFile(folder / "keno.old", SampleDraws(1, 5010));
    const ProgramRun run =
        RunProgram(folder.program(), {.args = {GetParam()}, .deadline = std::chrono::seconds(20)});
    EXPECT_FALSE(run.exited) << "ended with status " << run.status;
    EXPECT_TRUE(run.window_seen);
    EXPECT_FALSE(std::filesystem::exists(folder / "Drawchk.txt"));
}

INSTANTIATE_TEST_SUITE_P(Spellings, WindowStart,
                         ::testing::ValuesIn(testing::kWindowStartSpellings));

}  // namespace
}  // namespace drawchk
