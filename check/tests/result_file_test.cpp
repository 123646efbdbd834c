#include "result_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "temp_folder.h"

namespace drawchk {
namespace {

using testing::NamesIn;
using testing::ReadFile;
using testing::TempFolder;
using testing::WriteFile;

using Names = std::vector<std::string>;

TEST(ResultFile, HoldsExactlyTheNewLineWhateverItHeldBefore) {
    TempFolder folder("drawchk Kenó");
    const auto result = folder / "Drawchk.txt";
    EXPECT_TRUE(ReplaceResultFile(result, "5001   2011-08-25  Cs"));
    EXPECT_EQ(ReadFile(result), "5001   2011-08-25  Cs\r\n");
    WriteFile(result, "an older and much longer result\r\nwith two lines\r\n");
    EXPECT_TRUE(ReplaceResultFile(result, ""));
    EXPECT_EQ(ReadFile(result), "\r\n");
    EXPECT_EQ(NamesIn(folder.path()), Names{"Drawchk.txt"});
}

TEST(ResultFile, FailsAndLeavesNothingBehindWhereNoFileCanStand) {
    TempFolder folder;
    std::filesystem::create_directory(folder / "Drawchk.txt");
    EXPECT_FALSE(ReplaceResultFile(folder / "Drawchk.txt", "5001   2011-08-25  Cs"));
    EXPECT_TRUE(std::filesystem::is_empty(folder / "Drawchk.txt"));
    EXPECT_FALSE(ReplaceResultFile(folder / "missing" / "Drawchk.txt", "x"));
    EXPECT_EQ(NamesIn(folder.path()), Names{"Drawchk.txt"});
}

}  // namespace
}  // namespace drawchk
