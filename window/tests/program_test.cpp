// Runs the built program as a user or a scheduled job would, in a program folder of its own.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "program_runner.h"
#include "sample_draws.h"

namespace drawchk {
namespace {

using testing::ExpectQuietExit;
using testing::ProgramFolder;
using testing::ReadFile;
using testing::RunProgram;
using testing::WriteFile;

struct BatchCase {
    const char* name;
    std::vector<std::string> args;
    std::optional<std::string> draws;  // none: no draw file
    int status;
    std::string result;
};

void PrintTo(const BatchCase& c, std::ostream* out) { *out << c.name; }

class BatchMode : public ::testing::TestWithParam<BatchCase> {};

// Without a display and without the window module: batch mode needs neither.
TEST_P(BatchMode, WritesTheResultQuietlyAndExitsWithItsStatus) {
    const BatchCase& c = GetParam();
    ProgramFolder folder(ProgramFolder::Window::kWithout);
    WriteFile(folder / "Drawchk.txt", "earlier result\r\n");
    if (c.draws) WriteFile(folder / "keno.old", *c.draws);
    const auto run = RunProgram(folder.program(), {.args = c.args});
    ExpectQuietExit(run, c.status);
    EXPECT_EQ(ReadFile(folder / "Drawchk.txt"), c.result);
}

INSTANTIATE_TEST_SUITE_P(
    Runs, BatchMode,
    ::testing::Values(
        BatchCase{"SampleFile", {"Frissit"}, SampleDraws(1, 10113), 0, "10113   2025-08-29  P\r\n"},
        BatchCase{"MissingDrawFile", {"Frissit"}, std::nullopt, 1, "\r\n"},
        BatchCase{"LeadingBlanksDroppedArgumentsJoined",
                  {"", "  Frissit"},
                  SampleDraws(1, 5001),
                  0,
                  "5001   2011-08-25  Cs\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ProgramFolder, IsTheProgramsOwnWhenStartedThroughALink) {
    ProgramFolder folder;
    WriteFile(folder / "keno.old", SampleDraws(1, 5001));
    testing::TempFolder elsewhere;
    std::filesystem::create_symlink(folder.program(), elsewhere / "drawchk");
    WriteFile(elsewhere / "keno.old", SampleDraws(1, 5002));
    const auto run = RunProgram(elsewhere / "drawchk",
                                {.args = {"Frissit"}, .working_folder = elsewhere.path()});
    ExpectQuietExit(run, 0);
    EXPECT_EQ(ReadFile(folder / "Drawchk.txt"), "5001   2011-08-25  Cs\r\n");
    EXPECT_FALSE(std::filesystem::exists(elsewhere / "Drawchk.txt"));
}

TEST(WindowMode, WithoutItsModuleSaysSoAndFails) {
    ProgramFolder folder(ProgramFolder::Window::kWithout);
    const auto run = RunProgram(folder.program(), {.environment = {"QT_QPA_PLATFORM=offscreen"}});
    ASSERT_TRUE(run.exited);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.output.find("cannot open the window"), std::string::npos) << run.output;
}

class OtherCommandLines : public ::testing::TestWithParam<std::vector<std::string>> {};

TEST_P(OtherCommandLines, OpenTheWindowAndWait) {
    ProgramFolder folder;
    WriteFile(folder / "keno.old", SampleDraws(1, 5010));
    const auto run = RunProgram(folder.program(), {.args = GetParam(),
                                                   .environment = {"QT_QPA_PLATFORM=offscreen"},
                                                   .deadline = std::chrono::seconds(2)});
    EXPECT_FALSE(run.exited) << "ended with status " << run.status << ": " << run.output;
    EXPECT_FALSE(std::filesystem::exists(folder / "Drawchk.txt"));
}

INSTANTIATE_TEST_SUITE_P(Spellings, OtherCommandLines,
                         ::testing::Values(std::vector<std::string>{},
                                           std::vector<std::string>{"frissit"},
                                           std::vector<std::string>{"FRISSIT"},
                                           std::vector<std::string>{"Frissit", "x"},
                                           std::vector<std::string>{"Frissit "}));

}  // namespace
}  // namespace drawchk
