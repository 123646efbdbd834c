#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "start_up.h"
#include "temp_folder.h"

namespace drawchk {
namespace {

using design::ListHint;
using testing::NumberedLines;
using testing::TempFolder;
using testing::WriteFile;

// The hint follows what the check found, and where it names a reason the list is empty.
TEST(WindowCheck, GivesEachEmptyListItsOwnHint) {
    struct Case {
        const char* name;
        void (*lay_out)(const TempFolder& folder);
        ListHint hint;
        int rows;
    };
    const Case cases[] = {
        {"no draw file", [](const TempFolder&) {}, ListHint::kNoDrawFile, 0},
        {"a folder named keno.old",
         [](const TempFolder& folder) { std::filesystem::create_directory(folder / "keno.old"); },
         ListHint::kUnreadableDrawFile, 0},
        {"only the history",
         [](const TempFolder& folder) { WriteFile(folder / "keno.old", NumberedLines(5000)); },
         ListHint::kNoDrawAfterHistory, 0},
        {"draws",
         [](const TempFolder& folder) { WriteFile(folder / "keno.old", NumberedLines(5002)); },
         ListHint::kNone, 2},
    };
    for (const Case& c : cases) {
        TempFolder folder;
        c.lay_out(folder);
        RowList rows;
        rows.Append("left from before");
        EXPECT_EQ(RunWindowCheck(folder.path(), rows, kHungarianDayLabels), c.hint) << c.name;
        EXPECT_EQ(rows.Count(), c.rows) << c.name;
        EXPECT_EQ(design::HintText(c.hint).empty(), c.hint == ListHint::kNone) << c.name;
    }
    RowList rows;
    rows.Append("left from before");
    EXPECT_EQ(RunWindowCheck(std::nullopt, rows, kHungarianDayLabels), ListHint::kUnknownFolder);
    EXPECT_EQ(rows.Count(), 0);
}

}  // namespace
}  // namespace drawchk
