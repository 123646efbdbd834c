// Batch runs of the real program against draw files and folders that a hand-kept file, a
// broken disk or a careless script can produce. None may crash, hang, print anything, write
// anywhere but the result file, or lose the earlier result.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "program_copy.h"
#include "sample_draws.h"
#include "text_encoding.h"

namespace drawchk {
namespace {

using testing::ExpectExit;
using testing::ExpectQuietExit;
using testing::NumberedLines;
using testing::ProgramCopy;
using testing::ProgramRun;
using testing::ReadFile;
using testing::WriteFile;

const std::string kEarlier = "10113   2025-08-29  P\r\n";
// What a program folder holds after a check: nothing more.
const std::vector<std::string> kFolderAfterCheck = {"Drawchk.txt", "drawchk", "keno.old"};

// Draw paths that are not a readable regular file: a failed open, the result still written.
// Each says why in one line, in the words of the window's hint.
struct UnreadableCase {
    const char* kind;
    const char* line;
};

void PrintTo(const UnreadableCase& c, std::ostream* out) { *out << c.kind; }

class UnreadableDrawFile : public ::testing::TestWithParam<UnreadableCase> {};

TEST_P(UnreadableDrawFile, IsAFailedOpenNeverAHang) {
    ProgramCopy folder;
    const std::string kind = GetParam().kind;
    const auto draws = folder / "keno.old";
    if (kind == "directory") std::filesystem::create_directory(draws);
    if (kind == "fifo") {
        ASSERT_EQ(mkfifo(draws.c_str(), 0600), 0);
    }
    if (kind == "device") std::filesystem::create_symlink("/dev/zero", draws);
    if (kind == "dangling link") std::filesystem::create_symlink(folder / "gone", draws);
    WriteFile(folder / "Drawchk.txt", kEarlier);
    const ProgramRun run = folder.Batch({.deadline = std::chrono::seconds(20)});
    std::string line = std::string("drawchk: ") + GetParam().line + "\n";
    if (const std::size_t at = line.find("{gone}"); at != std::string::npos) {
        line.replace(at, 6, (folder / "gone").string());
    }
    ExpectExit(run, 1, line);
    EXPECT_EQ(ReadFile(folder / "Drawchk.txt"), "\r\n");
}

constexpr const char* kUnreadable = "a keno.old nem olvasható; próbálja meg később újra.";
INSTANTIATE_TEST_SUITE_P(
    Kinds, UnreadableDrawFile,
    ::testing::Values(UnreadableCase{"directory", kUnreadable}, UnreadableCase{"fifo", kUnreadable},
                      UnreadableCase{"device", kUnreadable},
                      UnreadableCase{
                          "dangling link",
                          "a keno.old hivatkozás, de nem létező fájlra mutat („{gone}”): "
                          "javítsa a hivatkozást, vagy tegye a helyére a fájlt."}),
    [](const auto& info) {
        std::string name = info.param.kind;
        std::erase(name, ' ');
        return name;
    });

// A draw file that opens but cannot be read: /proc/self/mem is a regular file whose reads fail
// from its first byte. The check is not a success: status 1, and no row.
TEST(FailingDrawFile, ReadsThatFailFromTheFirstByteGiveStatusOne) {
    ProgramCopy folder;
    std::filesystem::create_symlink("/proc/self/mem", folder / "keno.old");
    WriteFile(folder / "Drawchk.txt", kEarlier);
    ExpectExit(folder.Batch(), 1, "drawchk: a keno.old nem olvasható; próbálja meg később újra.\n");
    EXPECT_EQ(ReadFile(folder / "Drawchk.txt"), "\r\n");
}

struct OddFile {
    const char* name;
    std::string bytes;
    std::string result;
    bool breaks;  // rows out of place, said in one line on stderr
};

void PrintTo(const OddFile& file, std::ostream* out) { *out << file.name; }

std::string Garbage(std::size_t size) {
    std::string bytes(size, '\0');
    unsigned state = 12345;
    for (char& c : bytes) {
        state = state * 1103515245 + 12345;
        c = static_cast<char>(state >> 16);
    }
    return bytes;
}

class OddDrawFile : public ::testing::TestWithParam<OddFile> {};

TEST_P(OddDrawFile, GivesOneResultLine) {
    ProgramCopy folder;
    WriteFile(folder / "keno.old", GetParam().bytes);
    const ProgramRun run = folder.Batch();
    EXPECT_TRUE(run.exited);
    // No draw dated is no answer.
    EXPECT_EQ(run.status, GetParam().result == "\r\n" ? 1 : 0);
    EXPECT_EQ(ReadFile(folder / "Drawchk.txt"), GetParam().result);
    EXPECT_EQ((run.output.starts_with("drawchk: a keno.old-ban ") ||
               run.output.starts_with("drawchk: a keno.old-ból ")) &&
                  std::count(run.output.begin(), run.output.end(), '\n') == 1,
              GetParam().breaks)
        << run.output;
    // What stands in the file is quoted as valid UTF-8.
    EXPECT_TRUE(IsUtf8(run.output)) << run.output;
    EXPECT_EQ(folder.Names(), kFolderAfterCheck);
}

INSTANTIATE_TEST_SUITE_P(
    Contents, OddDrawFile,
    ::testing::Values(
        OddFile{"BinaryGarbage", Garbage(1 << 20), "3\xBE\x11\xDF   2031-05-01  Cs\r\n", true},
        OddFile{"NulBytes", std::string(100000, '\0') + "\r\n" + NumberedLines(5001),
                "5001   2011-08-26  P\r\n", true},
        OddFile{"NoLineEndAtAll", std::string(100000, '7'), "\r\n", false},
        OddFile{"HundredThousandDigits", NumberedLines(5000) + std::string(100000, '9') + "\r\n",
                std::string(40, '9') + "   2011-08-25  Cs\r\n", true},
        OddFile{"OnlyCommas", std::string(5003, ','), "   2011-08-27  Szo\r\n", true},
        OddFile{"OnlyQuotes", std::string(100000, '"'), "\r\n", false},
        OddFile{"UnclosedQuote", NumberedLines(5000) + "\"5001 1 2\r\n5002 3 4\r\n",
                "5001   2011-08-25  Cs\r\n", false},
        OddFile{"MoreLinesThanTheListHolds", NumberedLines(50000), "37767   2101-05-17  K\r\n",
                false}),
    [](const auto& info) { return std::string(info.param.name); });

class FailingResultFile : public ::testing::Test {
  protected:
    void SetUp() override {
        WriteFile(folder_ / "keno.old", SampleDraws(1, 10113));
        WriteFile(folder_ / "Drawchk.txt", kEarlier);
    }
    // One line names the result file that was not written, and why.
    void ExpectNotWritten(const ProgramRun& run, const std::string& why, bool earlier = true) {
        ExpectExit(run, 2,
                   "drawchk: az eredmény nem írható ide: „" + (folder_ / "Drawchk.txt").string() +
                       "” (" + why + ")" + (earlier ? "; a korábbi Drawchk.txt megmaradt" : "") +
                       ".\n");
    }
    // The earlier result survives byte for byte, and no temporary file is left.
    void ExpectEarlierKept() {
        EXPECT_EQ(ReadFile(folder_ / "Drawchk.txt"), kEarlier);
        EXPECT_EQ(folder_.Names(), kFolderAfterCheck);
    }
    ProgramCopy folder_;
};

TEST_F(FailingResultFile, FileSizeLimitCutsTheWriteShort) {
    ExpectNotWritten(folder_.Batch({.file_size_limit = 8}), "a megengedett fájlméret kevés hozzá");
    ExpectEarlierKept();
}

TEST_F(FailingResultFile, ProgramFolderIsNotWritable) {
    // Root writes anywhere, so the program then runs as an ordinary user.
    std::filesystem::permissions(folder_.path(), std::filesystem::perms(0755));
    std::optional<uid_t> user;
    if (geteuid() == 0) {
        user = 65534;  // nobody
    } else {
        std::filesystem::permissions(folder_.path(), std::filesystem::perms(0555));
    }
    ExpectNotWritten(folder_.Batch({.user = user}), "nincs joga írni a mappába");
    std::filesystem::permissions(folder_.path(), std::filesystem::perms(0755));
    ExpectEarlierKept();
}

TEST_F(FailingResultFile, ResultPathIsADirectory) {
    std::filesystem::remove(folder_ / "Drawchk.txt");
    std::filesystem::create_directory(folder_ / "Drawchk.txt");
    ExpectNotWritten(folder_.Batch(), "ilyen nevű mappa áll a helyén", false);
    EXPECT_TRUE(std::filesystem::is_empty(folder_ / "Drawchk.txt"));
}

TEST(ResultLink, IsReplacedAndItsTargetLeftAlone) {
    ProgramCopy folder;
    testing::TempFolder elsewhere;
    WriteFile(folder / "keno.old", SampleDraws(1, 10113));
    WriteFile(elsewhere / "precious.txt", "not the program's\n");
    std::filesystem::create_symlink(elsewhere / "precious.txt", folder / "Drawchk.txt");
    ExpectQuietExit(folder.Batch(), 0);
    EXPECT_EQ(ReadFile(elsewhere / "precious.txt"), "not the program's\n");
    EXPECT_FALSE(std::filesystem::is_symlink(folder / "Drawchk.txt"));
    EXPECT_EQ(ReadFile(folder / "Drawchk.txt"), "10113   2025-08-29  P\r\n");
}

TEST(ManyBatchRuns, AtOnceAlwaysLeaveOneCompleteLine) {
    ProgramCopy folder;
    WriteFile(folder / "keno.old", SampleDraws(1, 10113));
    std::vector<std::thread> runs;
    std::vector<ProgramRun> results(8);
    for (int round = 0; round < 3; ++round) {
        for (ProgramRun& result : results) {
            runs.emplace_back([&folder, &result] { result = folder.Batch(); });
        }
        for (std::thread& run : runs) run.join();
        runs.clear();
        for (const ProgramRun& result : results) ExpectQuietExit(result, 0);
        EXPECT_EQ(ReadFile(folder / "Drawchk.txt"), kEarlier);
    }
    EXPECT_EQ(folder.Names(), kFolderAfterCheck);
}

}  // namespace
}  // namespace drawchk
