// How the check meets POSIX files: permissions, the separator, and writers at once.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "result_file.h"
#include "run_check.h"
#include "temp_folder.h"

namespace drawchk {
namespace {

using testing::NumberedLines;
using testing::ReadFile;
using testing::TempFolder;
using testing::WriteFile;

TEST(PosixResultFile, ReplacesAReadOnlyFileWithOneOfTheUsualPermissions) {
    TempFolder folder;
    const auto result = folder / "Drawchk.txt";
    WriteFile(result, "an older result\r\n");
    ASSERT_EQ(chmod(result.c_str(), 0400), 0);
    const mode_t mask = umask(022);
    EXPECT_EQ(ReplaceResultFile(result, "9999   2025-05-05  H"), WriteFailure::kNone);
    umask(mask);
    EXPECT_EQ(ReadFile(result), "9999   2025-05-05  H\r\n");
    struct stat info {};
    ASSERT_EQ(stat(result.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0644u);
}

TEST(PosixResultFile, ReadersSeeOneWholeLineWhileChecksWriteAtOnce) {
    TempFolder folder;
    const auto result = folder / "Drawchk.txt";
    const std::string line = "10113   2025-08-29  P";
    ASSERT_EQ(ReplaceResultFile(result, line), WriteFailure::kNone);
    std::atomic<bool> done = false;
    std::atomic<int> torn = 0;
    std::thread reader([&] {
        while (!done) {
            if (ReadFile(result) != line + "\r\n") ++torn;
        }
    });
    std::vector<std::thread> writers;
    std::atomic<int> failed = 0;
    for (int w = 0; w < 4; ++w) {
        writers.emplace_back([&] {
            for (int i = 0; i < 50; ++i) {
                if (ReplaceResultFile(result, line) != WriteFailure::kNone) ++failed;
            }
        });
    }
    for (std::thread& writer : writers) writer.join();
    done = true;
    reader.join();
    EXPECT_EQ(torn, 0);
    EXPECT_EQ(failed, 0);
    EXPECT_EQ(testing::NamesIn(folder.path()), std::vector<std::string>{"Drawchk.txt"});
}

TEST(PosixRunCheck, JoinsFolderAndFileNameWithTheHostSeparator) {
    RowList rows;
    // A file named like the folder plus a backslash is just a neighbour on this host.
    TempFolder parent;
    const std::filesystem::path program = parent / "program";
    std::filesystem::create_directory(program);
    WriteFile(parent / "program\\keno.old", NumberedLines(5001));
    WriteFile(program / "keno.old", NumberedLines(5003));
    const CheckOutcome outcome = RunCheck(program, rows, kHungarianDayLabels);
    EXPECT_TRUE(outcome.result_written);
    EXPECT_EQ(rows.Count(), 3);
    EXPECT_TRUE(std::filesystem::exists(program / "Drawchk.txt"));
    EXPECT_FALSE(std::filesystem::exists(parent / "program\\Drawchk.txt"));
}

}  // namespace
}  // namespace drawchk
