// Starts of the real program that open the window, on Qt's offscreen platform.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "program_copy.h"
#include "sample_draws.h"

namespace drawchk {
namespace {

using testing::ProgramCopy;
using testing::RunProgram;
using testing::WriteFile;

constexpr auto kWindowWaits = std::chrono::seconds(2);
const std::string kNoModuleLine =
    "drawchk: az ablak nem nyitható meg: ennek a programnak a " DRAWCHK_WINDOW_MODULE
    " fájlja nincs itt: ";

// Any command line but the batch word alone opens the window, which waits for the user.
class OtherCommandLines : public ::testing::TestWithParam<std::vector<std::string>> {};

TEST_P(OtherCommandLines, OpenTheWindowAndWait) {
    ProgramCopy folder("drawchk", DRAWCHK_WINDOW_MODULE_PATH);
    WriteFile(folder / "keno.old", SampleDraws(1, 5010));
    const auto run = RunProgram(folder.program(), {.args = GetParam(),
                                                   .environment = {"QT_QPA_PLATFORM=offscreen"},
                                                   .deadline = kWindowWaits});
    EXPECT_FALSE(run.exited) << "ended with status " << run.status << ": " << run.output;
    EXPECT_FALSE(std::filesystem::exists(folder / "Drawchk.txt"));
}

INSTANTIATE_TEST_SUITE_P(Spellings, OtherCommandLines,
                         ::testing::Values(std::vector<std::string>{},
                                           std::vector<std::string>{"frissit"},
                                           std::vector<std::string>{"FRISSIT"},
                                           std::vector<std::string>{"Frissit", "x"},
                                           std::vector<std::string>{"Frissit "}));

// A mistyped batch word in a cron line, where there is no display: the program says in
// Hungarian what to run instead and ends with status 3, writing nothing, rather than aborting
// inside Qt.
class NoDisplay : public ::testing::TestWithParam<std::vector<std::string>> {};

TEST_P(NoDisplay, EndsWithStatusThreeAndSaysWhatToRun) {
    ProgramCopy folder("drawchk", DRAWCHK_WINDOW_MODULE_PATH);
    WriteFile(folder / "keno.old", SampleDraws(1, 5010));
    const auto run = RunProgram(folder.program(), {.args = {"Frissít"}, .environment = GetParam()});
    ASSERT_TRUE(run.exited) << "ended by signal " << run.status - 128;
    EXPECT_EQ(run.status, 3);
    EXPECT_EQ(run.output,
              "drawchk: nincs képernyő, amelyen az ablak megjelenhetne; ablak nélkül a "
              "„drawchk Frissit” parancs ellenőriz (pontosan így írva).\n");
    EXPECT_FALSE(std::filesystem::exists(folder / "Drawchk.txt"));
}

INSTANTIATE_TEST_SUITE_P(
    Environments, NoDisplay,
    ::testing::Values(std::vector<std::string>{}, std::vector<std::string>{"DISPLAY=:48761"},
                      std::vector<std::string>{"DISPLAY="},
                      std::vector<std::string>{"WAYLAND_DISPLAY=drawchk-nowhere",
                                               "XDG_RUNTIME_DIR=/tmp"}),
    [](const auto& info) {
        return info.param.empty()            ? std::string("Nothing")
               : info.param.size() > 1       ? std::string("DeadWayland")
               : info.param[0] == "DISPLAY=" ? std::string("EmptyDisplay")
                                             : std::string("DeadDisplay");
    });

TEST(WindowModule, MissingEverywhereIsSaidOnceOnStderr) {
    ProgramCopy folder;
    const std::filesystem::path installed = DRAWCHK_INSTALLED_FOLDER;
    if (std::filesystem::exists(installed / DRAWCHK_WINDOW_MODULE)) {
        GTEST_SKIP() << "an installed window module is in " << installed;
    }
    const auto run = RunProgram(folder.program(), {.environment = {"QT_QPA_PLATFORM=offscreen"}});
    ASSERT_TRUE(run.exited);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.output,
              kNoModuleLine + folder.path().string() + " vagy " + installed.string() + "\n");
}

// A module built from other sources may date differently or have another entry.
TEST(WindowModule, OfAnotherBuildCountsAsNone) {
    ProgramCopy folder;
    std::filesystem::copy_file(DRAWCHK_OTHER_BUILD_MODULE_PATH, folder / DRAWCHK_WINDOW_MODULE);
    WriteFile(folder / "keno.old", SampleDraws(1, 5010));
    const std::filesystem::path installed = DRAWCHK_INSTALLED_FOLDER;
    if (std::filesystem::exists(installed / DRAWCHK_WINDOW_MODULE)) {
        GTEST_SKIP() << "an installed window module is in " << installed;
    }
    const auto run = RunProgram(
        folder.program(), {.environment = {"QT_QPA_PLATFORM=offscreen"}, .deadline = kWindowWaits});
    ASSERT_TRUE(run.exited) << "the window of another build opened";
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.output,
              kNoModuleLine + folder.path().string() + " vagy " + installed.string() + "\n");
    EXPECT_FALSE(std::filesystem::exists(folder / "Drawchk.txt"));
}

// A copy of the program in a folder of its own, on a machine where Drawchk is installed.
TEST(WindowModule, IsTakenFromTheInstalledFolderWhenNotBesideTheProgram) {
    const std::filesystem::path installed = DRAWCHK_INSTALLED_FOLDER;
    const std::filesystem::path build = DRAWCHK_BUILD_FOLDER;
    if (!installed.string().starts_with(build.string())) {
        GTEST_SKIP() << "installs only into the build folder, not into " << installed;
    }
    std::filesystem::create_directories(installed);
    std::filesystem::copy_file(DRAWCHK_WINDOW_MODULE_PATH, installed / DRAWCHK_WINDOW_MODULE,
                               std::filesystem::copy_options::overwrite_existing);
    ProgramCopy folder;
    WriteFile(folder / "keno.old", SampleDraws(1, 5010));
    const auto run = RunProgram(
        folder.program(), {.environment = {"QT_QPA_PLATFORM=offscreen"}, .deadline = kWindowWaits});
    std::filesystem::remove(installed / DRAWCHK_WINDOW_MODULE);
    EXPECT_FALSE(run.exited) << "ended with status " << run.status << ": " << run.output;
}

}  // namespace
}  // namespace drawchk
