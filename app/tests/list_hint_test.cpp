#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "start_up.h"
#include "temp_folder.h"

namespace drawchk {
namespace {

using testing::NumberedLines;
using testing::TempFolder;
using testing::WriteFile;

// The hint follows what the check found, and where it names a reason the list is empty.
TEST(WindowCheck, GivesEachEmptyListItsOwnHint) {
    struct Case {
        const char* name;
        void (*lay_out)(const TempFolder& folder);
        ListHint::Kind hint;
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
        {"keno.old saved with .txt added",
         [](const TempFolder& folder) {
             WriteFile(folder / "Keno.old.txt", NumberedLines(5002));
             WriteFile(folder / "keno.older", NumberedLines(5002));
         },
         ListHint::kMisnamedDrawFile, 0},
    };
    for (const Case& c : cases) {
        TempFolder folder;
        c.lay_out(folder);
        RowList rows;
        rows.Append("left from before");
        const ListHint hint = RunWindowCheck(folder.path(), rows, kHungarianDayLabels);
        EXPECT_EQ(hint.kind, c.hint) << c.name;
        EXPECT_EQ(rows.Count(), c.rows) << c.name;
        EXPECT_EQ(hint.Text().empty(), c.hint == ListHint::kNone) << c.name;
        if (c.hint == ListHint::kMisnamedDrawFile) {
            EXPECT_EQ(hint.Text(),
                      "Nincs keno.old, de van Keno.old.txt: nevezze át keno.old névre.");
        }
    }
    RowList rows;
    rows.Append("left from before");
    EXPECT_EQ(RunWindowCheck(std::nullopt, rows, kHungarianDayLabels).kind,
              ListHint::kUnknownFolder);
    EXPECT_EQ(rows.Count(), 0);
}

}  // namespace
}  // namespace drawchk
