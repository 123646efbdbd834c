// Runs the built program as a user or a scheduled job would, in a program folder of its own.
#include <gtest/gtest.h>
#include <unistd.h>

#include <optional>
#include <string>
#include <vector>

#include "program_copy.h"
#include "sample_draws.h"

namespace drawchk {
namespace {

using testing::ExpectQuietExit;
using testing::ProgramCopy;
using testing::ReadFile;
using testing::RunProgram;
using testing::WriteFile;

struct BatchCase {
    const char* name;
    std::vector<std::string> args;
    std::optional<std::string> draws;  // none: no draw file
    int status;
    std::string result;
    std::optional<std::string> rest_days = {};  // the rest-day list, if any
    std::string rest_day_file = "szunnapok.txt";
    std::string draw_file = "keno.old";
    std::string output = {};  // on stderr
};

void PrintTo(const BatchCase& c, std::ostream* out) { *out << c.name; }

class BatchMode : public ::testing::TestWithParam<BatchCase> {};

// Without a display and without the window module: batch mode needs neither. It says nothing
// unless something is wrong with the draw file.
TEST_P(BatchMode, WritesTheResultAndExitsWithItsStatus) {
    const BatchCase& c = GetParam();
    ProgramCopy folder;
    WriteFile(folder / "Drawchk.txt", "earlier result\r\n");
    if (c.draws) WriteFile(folder / c.draw_file, *c.draws);
    if (c.rest_days) WriteFile(folder / c.rest_day_file, *c.rest_days);
    const auto run = RunProgram(folder.program(), {.args = c.args});
    EXPECT_TRUE(run.exited);
    EXPECT_EQ(run.status, c.status);
    EXPECT_EQ(run.output, c.output);
    EXPECT_EQ(ReadFile(folder / "Drawchk.txt"), c.result);
}

INSTANTIATE_TEST_SUITE_P(
    Runs, BatchMode,
    ::testing::Values(
        BatchCase{"SampleFile", {"Frissit"}, SampleDraws(1, 10113), 0, "10113   2025-08-29  P\r\n"},
        BatchCase{.name = "MissingDrawFile",
                  .args = {"Frissit"},
                  .status = 1,
                  .result = "\r\n",
                  .output = "drawchk: nincs keno.old a program mappájában.\n"},
        BatchCase{"ListedRestDay",
                  {"Frissit"},
                  SampleDraws(1, 10113),
                  0,
                  "10113   2025-08-30  Szo\r\n",
                  "nincs h\xFAz\xE1s:\r\n10100\r\n"},
        BatchCase{.name = "ListedInUtf16UnderTheAccentedName",
                  .args = {"Frissit"},
                  .draws = SampleDraws(1, 10113),
                  .status = 0,
                  .result = "10113   2025-08-30  Szo\r\n",
                  .rest_days = std::string("\xFF\xFE"
                                           "1\0"
                                           "0\0"
                                           "1\0"
                                           "0\0"
                                           "0\0",
                                           12),
                  .rest_day_file = "sz\xC3\xBCnnapok.txt"},
        BatchCase{.name = "LineRemovedSaysWhereTheFileBreaks",
                  .args = {"Frissit"},
                  .draws = SampleDraws(1, 10104) + SampleDraws(10106, 10113),
                  .status = 0,
                  .result = "10113   2025-08-28  Cs\r\n",
                  .output = "drawchk: hiba a keno.old-ban a 10106. húzásnál: ezen a helyen a "
                            "10105. húzásnak kellene állnia.\n"},
        BatchCase{.name = "SavedWithTxtAddedSaysToRenameIt",
                  .args = {"Frissit"},
                  .draws = SampleDraws(1, 10113),
                  .status = 1,
                  .result = "\r\n",
                  .draw_file = "keno.old.txt",
                  .output = "drawchk: nincs keno.old, de van „keno.old.txt”: nevezze át "
                            "keno.old névre.\n"},
        BatchCase{.name = "SavedInCapitalsSaysToRenameIt",
                  .args = {"Frissit"},
                  .draws = SampleDraws(1, 10113),
                  .status = 1,
                  .result = "\r\n",
                  .draw_file = "KENO.OLD",
                  .output = "drawchk: nincs keno.old, de van „KENO.OLD”: nevezze át keno.old "
                            "névre.\n"},
        BatchCase{.name = "SavedWithABlankAfterSaysToRenameIt",
                  .args = {"Frissit"},
                  .draws = SampleDraws(1, 10113),
                  .status = 1,
                  .result = "\r\n",
                  .draw_file = "keno.old ",
                  .output = "drawchk: nincs keno.old, de van „keno.old ”: nevezze át keno.old "
                            "névre.\n"},
        BatchCase{.name = "OnlyTheHistorySaysSo",
                  .args = {"Frissit"},
                  .draws = SampleDraws(1, 5000),
                  .status = 0,
                  .result = "\r\n",
                  .output = "drawchk: a keno.old első 5000 sora után nincs húzás.\n"},
        BatchCase{.name = "EmptyLastLineSaysToDeleteIt",
                  .args = {"Frissit"},
                  .draws = SampleDraws(1, 10113) + "\r\n",
                  .status = 0,
                  .result = "   2025-08-30  Szo\r\n",
                  .output = "drawchk: a keno.old üres sorral végződik: törölje az utolsó, üres "
                            "sort.\n"},
        BatchCase{.name = "RestDayListInCapitalsCounts",
                  .args = {"Frissit"},
                  .draws = SampleDraws(1, 10113),
                  .status = 0,
                  .result = "10113   2025-08-30  Szo\r\n",
                  .rest_days = "10 100\r\n",
                  .rest_day_file = "SZUNNAPOK.TXT"},
        BatchCase{.name = "RestDayListNamedInDecomposedFormCounts",
                  .args = {"Frissit"},
                  .draws = SampleDraws(1, 10113),
                  .status = 0,
                  .result = "10113   2025-08-30  Szo\r\n",
                  .rest_days = "10100\r\n",
                  .rest_day_file = "szu\xCC\x88nnapok.txt"},
        BatchCase{.name = "NewestDrawTwoWeeksOldSaysSo",
                  .args = {"Frissit"},
                  .draws = SampleDraws(1, 10100),
                  .status = 0,
                  .result = "10100   2025-08-16  Szo\r\n",
                  .output = "drawchk: a legújabb sor, a 10100. húzás dátuma 2025-08-16, ez 14 "
                            "napja volt: vagy hiányoznak húzások a keno.old végéről (pótolja "
                            "őket), vagy volt egy szünnap, amelyet a program nem ismer (írja be a "
                            "szunnapok.txt-be).\n"},
        BatchCase{"LeadingBlanksDroppedArgumentsJoined",
                  {"", "  Frissit"},
                  SampleDraws(1, 10113),
                  0,
                  "10113   2025-08-29  P\r\n"}),
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
