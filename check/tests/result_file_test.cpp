#include "result_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "temp_folder.h"

namespace drawchk {
namespace {

using testing::ReadFile;
using testing::TempFolder;
using testing::WriteFile;

int EntriesIn(const std::filesystem::path& folder) {
    int count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) ++count;
    return count;
}

TEST(ResultFile, ReplacesAProtectedFileWithANewPlainOne) {
    TempFolder folder;
    const auto result = folder / "Drawchk.txt";
    WriteFile(result, "an older and much longer result\r\nwith two lines\r\n");
    ASSERT_EQ(chmod(result.c_str(), 0400), 0);
    const mode_t mask = umask(022);
    EXPECT_TRUE(ReplaceResultFile(result, "9999   2025-05-05  H"));
    umask(mask);
    EXPECT_EQ(ReadFile(result), "9999   2025-05-05  H\r\n");
    struct stat info {};
    ASSERT_EQ(stat(result.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0644u);
    EXPECT_EQ(EntriesIn(folder.path()), 1);
}

TEST(ResultFile, ReadersSeeOneWholeLineWhileChecksWriteAtOnce) {
    TempFolder folder;
    const auto result = folder / "Drawchk.txt";
    const std::string line = "10113   2025-08-29  P";
    ASSERT_TRUE(ReplaceResultFile(result, line));
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
                if (!ReplaceResultFile(result, line)) ++failed;
            }
        });
    }
    for (std::thread& writer : writers) writer.join();
    done = true;
    reader.join();
    EXPECT_EQ(torn, 0);
    EXPECT_EQ(failed, 0);
    EXPECT_EQ(EntriesIn(folder.path()), 1);
}

}  // namespace
}  // namespace drawchk
