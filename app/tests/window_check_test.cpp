#include "window_check.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "temp_folder.h"
#include "wording.h"

namespace drawchk {
namespace {

using namespace std::chrono_literals;
using std::chrono::days;
using std::chrono::sys_days;
using std::chrono::year_month_day;
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
        std::string words = {};
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
        {"keno.old saved with extensions added",
         [](const TempFolder& folder) {
             WriteFile(folder / "keno.old.txt", NumberedLines(5002));
             WriteFile(folder / "keno.old.bak", NumberedLines(5002));
             WriteFile(folder / "keno.older", NumberedLines(5002));
         },
         ListHint::kMisnamedDrawFile, 0,
         "Nincs keno.old, de van „keno.old.txt” és „keno.old.bak”: nevezze át a megfelelőt "
         "keno.old névre." +
             std::string(HiddenExtensionsTip())},
    };
    for (const Case& c : cases) {
        TempFolder folder;
        c.lay_out(folder);
        WindowCheck check(folder.path(), [] { return 2011y / 8 / 27; });
        check.Run();
        EXPECT_EQ(check.Rows().Count(), c.rows) << c.name;
        EXPECT_EQ(check.Hint(), ListHint(c.hint, c.words).Text()) << c.name;
        EXPECT_EQ(check.Hint().empty(), c.hint == ListHint::kNone) << c.name;
    }
    WindowCheck unknown(std::nullopt, [] { return 2011y / 8 / 27; });
    unknown.Run();
    EXPECT_EQ(unknown.Hint(), ListHint(ListHint::kUnknownFolder).Text());
    EXPECT_EQ(unknown.Rows().Count(), 0);
}

// Over rows read whole and in place, the newest row's date is judged against today: a day
// old is current, two or more days old or after today is said; where the rows break and a
// partial read speak first, and an empty list keeps its hint.
TEST(ListHint, JudgesTheNewestRowAgainstToday) {
    struct Case {
        int days_old;
        DrawFile draw_file;
        bool marked;
        int rows;
        ListHint::Kind hint;
    };
    const Case cases[] = {
        {30, DrawFile::kRead, false, 2, ListHint::kNewestDrawOld},
        {2, DrawFile::kRead, false, 2, ListHint::kNewestDrawOld},
        {1, DrawFile::kRead, false, 2, ListHint::kNone},
        {0, DrawFile::kRead, false, 2, ListHint::kNone},
        {-1, DrawFile::kRead, false, 2, ListHint::kNewestDrawAfterToday},
        {30, DrawFile::kRead, true, 2, ListHint::kFileBreak},
        {30, DrawFile::kUnreadable, false, 2, ListHint::kReadPartly},
        {30, DrawFile::kRead, false, 0, ListHint::kNoDrawAfterHistory},
    };
    const year_month_day today = 2025y / 9 / 28;
    for (const Case& c : cases) {
        RowList rows;
        for (int row = 0; row < c.rows; ++row) rows.Append("row");
        if (c.rows > 0) rows.NoteNewestDate(sys_days{today} - days{c.days_old});
        if (c.marked) rows.NoteBreak({1, 5003, 5002, "5003"});
        const ListHint hint = HintForList({.draw_file = c.draw_file}, rows, [&] { return today; });
        EXPECT_EQ(hint.kind, c.hint) << c.days_old << (c.marked ? " marked" : "");
        if (c.hint == ListHint::kNewestDrawOld) {
            EXPECT_TRUE(hint.Text().starts_with("A legutolsó húzás " + std::to_string(c.days_old) +
                                                " napja volt."));
        }
    }
}

}  // namespace
}  // namespace drawchk
