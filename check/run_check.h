#pragma once

#include <filesystem>

#include "byte_source.h"
#include "draw_calendar.h"
#include "row_list.h"

namespace drawchk {

// The older history that the check reads past before it dates anything.
inline constexpr int kHistoryItems = 5000;
// The rows the window's list shows at once; the newest row stands at its bottom.
inline constexpr int kVisibleRows = 15;

inline const std::filesystem::path kDrawFileName = "keno.old";
inline const std::filesystem::path kResultFileName = "Drawchk.txt";

// What a check managed; the window ignores it, batch mode turns it into its exit status.
struct CheckOutcome {
    bool draw_file_opened = false;
    bool result_written = false;
};

// Reads past `history` items, then dates every further item into `rows`, which it clears
// first. A failed step is skipped and remembered: the walk ends at the first failed read,
// or at the read after a row that did not fit in the list.
void DateDraws(ByteSource& source, RowList& rows, const WeekdayLabels& labels,
               int history = kHistoryItems);

// The whole check: dates the draw file in `program_folder` into `rows`, scrolls them so the
// newest are in view and writes the last row to the result file beside the draw file.
CheckOutcome RunCheck(const std::filesystem::path& program_folder, RowList& rows,
                      const WeekdayLabels& labels);

}  // namespace drawchk
