// Runs the built program as a user or a scheduled job would, in a program folder of its own.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "program_runner.h"
#include "sample_draws.h"

namespace drawchk {
namespace {

using testing::ProgramFolder;
using testing::ReadFile;
using testing::RunProgram;
using testing::WriteFile;

TEST(BatchMode, WritesTheNewestRowWithoutAnyDisplay) {
    ProgramFolder folder;
    WriteFile(folder / "keno.old", SampleDraws(1, 10113));
    const auto run = folder.Batch();
    ASSERT_TRUE(run.exited);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.output, "");
    EXPECT_EQ(ReadFile(folder / "Drawchk.txt"), "10113   2025-08-29  P\r\n");
}

TEST(BatchMode, MissingDrawFileStillWritesAnEmptyLineAndExitsOne) {
    ProgramFolder folder;
    WriteFile(folder / "Drawchk.txt", "10113   2025-08-29  P\r\n");
    const auto run = folder.Batch();
    ASSERT_TRUE(run.exited);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.output, "");
    EXPECT_EQ(ReadFile(folder / "Drawchk.txt"), "\r\n");
}

TEST(BatchMode, ResultThatCannotBeWrittenExitsTwo) {
    ProgramFolder folder;
    WriteFile(folder / "keno.old", SampleDraws(1, 5010));
    std::filesystem::create_directory(folder / "Drawchk.txt");
    const auto run = folder.Batch();
    ASSERT_TRUE(run.exited);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.output, "");
    EXPECT_TRUE(std::filesystem::is_directory(folder / "Drawchk.txt"));
}

TEST(BatchMode, UsesTheProgramsOwnFolderWhenStartedThroughALink) {
    ProgramFolder folder;
    WriteFile(folder / "keno.old", SampleDraws(1, 5001));
    testing::TempFolder elsewhere;
    std::filesystem::create_symlink(folder.program(), elsewhere / "drawchk");
    WriteFile(elsewhere / "keno.old", SampleDraws(1, 5002));
    const auto run = RunProgram(elsewhere / "drawchk",
                                {.args = {"Frissit"}, .working_folder = elsewhere.path()});
    ASSERT_TRUE(run.exited);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(ReadFile(folder / "Drawchk.txt"), "5001   2011-08-25  Cs\r\n");
    EXPECT_FALSE(std::filesystem::exists(elsewhere / "Drawchk.txt"));
}

TEST(BatchMode, NeedsNoWindowModule) {
    ProgramFolder folder(ProgramFolder::Window::kWithout);
    WriteFile(folder / "keno.old", SampleDraws(1, 5001));
    const auto run = folder.Batch();
    ASSERT_TRUE(run.exited);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(ReadFile(folder / "Drawchk.txt"), "5001   2011-08-25  Cs\r\n");
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

TEST(StartUp, LeadingBlanksAreDroppedAndArgumentsJoinedByOneBlank) {
    ProgramFolder folder;
    WriteFile(folder / "keno.old", SampleDraws(1, 5001));
    const auto run = RunProgram(folder.program(), {.args = {"", "  Frissit"}});
    ASSERT_TRUE(run.exited);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(ReadFile(folder / "Drawchk.txt"), "5001   2011-08-25  Cs\r\n");
}

}  // namespace
}  // namespace drawchk
