// Runs the built program as a user or a scheduled job would, in a program folder of its own.
#include <gtest/gtest.h>
#include <unistd.h>

#include <optional>
#include <string>
#include <vector>

#include "batch_cases.h"
#include "program_copy.h"
#include "sample_draws.h"

namespace drawchk {
namespace {

using testing::ExpectQuietExit;
using testing::ProgramCopy;
using testing::ReadFile;
using testing::RunProgram;
using testing::WriteFile;

using testing::BatchCase;

class BatchMode : public ::testing::TestWithParam<BatchCase> {};

TEST_P(BatchMode, WritesTheResultAndExitsWithItsStatus) { testing::ExpectBatchRun(GetParam()); }

// What only POSIX users type: names that differ in case or by a blank, which Windows takes
// as keno.old itself, and arguments the shell hands over one by one.
INSTANTIATE_TEST_SUITE_P(
    Runs, BatchMode,
    ::testing::ValuesIn(testing::BatchCases({
        {.name = "SavedWithTxtAddedSaysToRenameIt",
         .draws = SampleDraws(1, 10113),
         .status = 1,
         .result = "\r\n",
         .output = "drawchk: nincs keno.old, de van „keno.old.txt”: nevezze át keno.old névre.\n",
         .draw_file = "keno.old.txt"},
        {.name = "MisnamedRestDayListIsNamed",
         .draws = SampleDraws(1, 10113),
         .status = 0,
         .result = "10113   2025-08-29  P\r\n",
         .output = "drawchk: nincs szunnapok.txt, de van „szunnapok.txt.txt”: nevezze át "
                   "szunnapok.txt névre.\n",
         .rest_days = "10100\r\n",
         .rest_day_file = "szunnapok.txt.txt"},
        {.name = "SavedInCapitalsSaysToRenameIt",
         .draws = SampleDraws(1, 10113),
         .status = 1,
         .result = "\r\n",
         .output = "drawchk: nincs keno.old, de van „KENO.OLD”: nevezze át keno.old névre.\n",
         .draw_file = "KENO.OLD"},
        {.name = "SavedWithABlankAfterSaysToRenameIt",
         .draws = SampleDraws(1, 10113),
         .status = 1,
         .result = "\r\n",
         .output = "drawchk: nincs keno.old, de van „keno.old ”: nevezze át keno.old névre.\n",
         .draw_file = "keno.old "},
        {.name = "NameWithALineEndIsShownInOneLine",
         .draws = SampleDraws(1, 10113),
         .status = 1,
         .result = "\r\n",
         .output = "drawchk: nincs keno.old, de van „keno.old.?txt”: nevezze át keno.old "
                   "névre.\n",
         .draw_file = "keno.old.\ntxt"},
        {.name = "UnwritableFolderWithNoEarlierResultSaysWhy",
         .draws = SampleDraws(1, 10113),
         .status = 2,
         .result = "",
         .output = "drawchk: az eredmény nem írható ide: „{folder}/Drawchk.txt” (nincs joga írni "
                   "a mappába).\n",
         .earlier = std::nullopt,
         .unwritable_folder = true},
        // A lost stderr changes no status: no death by SIGPIPE.
        {.name = "StderrGoneKeepsTheStatus",
         .draws = SampleDraws(1, 5000),
         .status = 1,
         .result = "\r\n",
         .stderr_gone = true},
        {.name = "LeadingBlanksDroppedArgumentsJoined",
         .draws = SampleDraws(1, 10113),
         .status = 0,
         .result = "10113   2025-08-29  P\r\n",
         .args = {"", "  Frissit"}},
    })),
    [](const auto& info) { return std::string(info.param.name); });

// However the program was started, it checks the draw file beside its own file, not one in
// the folder it was started from.
struct StartCase {
    const char* name;
    // The program to run and its arguments, given the copy's path.
    std::vector<std::string> (*command)(const std::filesystem::path& program);
};

void PrintTo(const StartCase& c, std::ostream* out) { *out << c.name; }

class ProgramFolderWhenStarted : public ::testing::TestWithParam<StartCase> {};

TEST_P(ProgramFolderWhenStarted, IsTheFolderOfTheProgramFile) {
    ProgramCopy folder("drawchk Kenó");
    WriteFile(folder / "keno.old", SampleDraws(1, 10113));
    testing::TempFolder elsewhere;
    WriteFile(elsewhere / "keno.old", SampleDraws(1, 10112));
    std::filesystem::create_symlink(folder.program(), elsewhere / "drawchk");
    std::vector<std::string> command = GetParam().command(elsewhere / "drawchk");
    const std::string program = command.front();
    command.erase(command.begin());
    const auto run = RunProgram(program, {.args = command, .working_folder = elsewhere.path()});
    ExpectQuietExit(run, 0);
    EXPECT_EQ(ReadFile(folder / "Drawchk.txt"), "10113   2025-08-29  P\r\n");
    EXPECT_FALSE(std::filesystem::exists(elsewhere / "Drawchk.txt"));
}

INSTANTIATE_TEST_SUITE_P(
    Ways, ProgramFolderWhenStarted,
    ::testing::Values(StartCase{"ThroughALink",
                                [](const std::filesystem::path& link) {
                                    return std::vector<std::string>{link.string(), "Frissit"};
                                }},
                      // The usual way round a noexec mount; /proc/self/exe then names the loader.
                      StartCase{"ThroughTheDynamicLoader",
                                [](const std::filesystem::path& link) {
                                    return std::vector<std::string>{"/lib64/ld-linux-x86-64.so.2",
                                                                    link.string(), "Frissit"};
                                }}),
    [](const auto& info) { return std::string(info.param.name); });

// Without /proc (a chroot, a container) the program cannot tell where its file lies; the
// folder it was started from is not a guess it may make.
TEST(ProgramFolderUnknown, BatchTouchesNoFileAndSaysTheResultIsNotWritten) {
#ifdef DRAWCHK_SANITIZED
    // The sanitizers read their options and the leak checker its threads from /proc.
    GTEST_SKIP() << "a sanitized program cannot run without /proc";
#endif
    ProgramCopy folder;
    WriteFile(folder / "keno.old", SampleDraws(1, 5001));
    std::vector<std::string> args = {"--mount", "--propagation", "private"};
    if (geteuid() != 0) args.insert(args.begin(), "--map-root-user");
    args.insert(args.end(),
                {"--", "/bin/sh", "-c", "mount -t tmpfs none /proc && exec ./drawchk Frissit"});
    const auto run =
        RunProgram("/usr/bin/unshare", {.args = args, .working_folder = folder.path()});
    testing::ExpectExit(run, 2, "drawchk: a program mappája nem állapítható meg.\n");
    EXPECT_EQ(folder.Names(), (std::vector<std::string>{"drawchk", "keno.old"}));
}

}  // namespace
}  // namespace drawchk
