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
    EXPECT_EQ(ReplaceResultFile(result, "5001   2011-08-25  Cs"), WriteFailure::kNone);
    EXPECT_EQ(ReadFile(result), "5001   2011-08-25  Cs\r\n");
    WriteFile(result, "an older and much longer result\r\nwith two lines\r\n");
    EXPECT_EQ(ReplaceResultFile(result, ""), WriteFailure::kNone);
    EXPECT_EQ(ReadFile(result), "\r\n");
    EXPECT_EQ(NamesIn(folder.path()), Names{"Drawchk.txt"});
}

TEST(ResultFile, FailsAndLeavesNothingBehindWhereNoFileCanStand) {
    TempFolder folder;
    std::filesystem::create_directory(folder / "Drawchk.txt");
    EXPECT_EQ(ReplaceResultFile(folder / "Drawchk.txt", "5001   2011-08-25  Cs"),
              WriteFailure::kFolderInTheWay);
    EXPECT_TRUE(std::filesystem::is_empty(folder / "Drawchk.txt"));
    EXPECT_NE(ReplaceResultFile(folder / "missing" / "Drawchk.txt", "x"), WriteFailure::kNone);
    EXPECT_EQ(NamesIn(folder.path()), Names{"Drawchk.txt"});
}

}  // namespace
}  // namespace drawchk
