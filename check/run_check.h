#pragma once

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "byte_source.h"
#include "draw_calendar.h"
#include "draw_number.h"
#include "file_names.h"
#include "line_dates.h"
#include "rest_days.h"
#include "result_file.h"
#include "row_list.h"

namespace drawchk {

// The rows the window's list shows at once; the newest row stands at its bottom.
inline constexpr int kVisibleRows = 15;

inline const std::filesystem::path kDrawFileName = "keno.old";
inline const std::filesystem::path kResultFileName = "Drawchk.txt";

// What became of the draw file: read to its end, not there, a link to a file that is not
// there, there but not readable (it did not open, or a read failed part-way), or held by
// another program all the while the check waited for it.
// A file that changed all the while the check read it again, about a second, is kChanging.
enum class DrawFile { kRead, kMissing, kDanglingLink, kUnreadable, kBusy, kChanging };

// What a walk found besides its rows.
struct WalkEnd {
    // Whether the source was read to its end; false where a read failed part-way.
    bool read_whole = true;
    // Whether its last byte was no line end, as in a file still being written.
    bool ended_inside_line = false;
    // The last day without a draw that the walk passed, one the program knows or a listed one;
    // none before the first.
    std::optional<std::chrono::year_month_day> last_rest_day;
    // What the lines' own dates say of the count's.
    LineDatesFinding line_dates;
};

// What a check managed: batch mode turns it into its exit status, a window into the hint it
// shows in an empty list.
struct CheckOutcome {
    DrawFile draw_file = DrawFile::kMissing;
    // With kDanglingLink: where the link points, UTF-8.
    std::string draw_file_link_target;
    bool result_written = false;
    // Where the result was not written, why not, and whether an earlier one was there, which
    // then stays as it was.
    WriteFailure result_failure = WriteFailure::kNone;
    bool earlier_result = false;
    // With no draw file: up to three files that are likely it under another name, likeliest
    // first ("keno.old.txt", as an editor that adds an extension saves it, "KENO.OLD",
    // "keno.old " with a blank after it, a backup). The check never reads them.
    std::vector<MisnamedFile> misnamed_draw_files;
    // The rest-day lists read, or not, with a fault; none for lists without one.
    std::vector<RestDayListReport> rest_day_lists;
    // Where no list has a right name, the files that are likely one under another name.
    std::vector<MisnamedFile> misnamed_rest_day_lists;
    WalkEnd walk;
    // The result file was left as it was, as CheckOptions asked.
    bool held_back = false;
};

struct CheckOptions {
    // Leaves the result file as it is where the draw file ends inside a line, as one still
    // being written does.
    bool hold_unended = false;
};

// Reads past `history` items, then dates every further item into `rows`, which it clears
// first. A row whose draw number is not the one its place stands for (draw `history` + 1 for
// the first row, and so on) is marked out of place. A failed step is skipped and remembered:
// the walk ends at the first failed read, or at the read after a row that did not fit.
WalkEnd DateDraws(ByteSource& source, RowList& rows, const WeekdayLabels& labels,
                  const RestDays& rest_days = RestDays(), int history = kHistoryItems);

// The whole check: dates the draw file in `program_folder` into `rows`, with the rest days
// the program knows and those listed beside the draw file, scrolls the rows so the newest
// are in view and writes the last row to the result file beside the draw file.
CheckOutcome RunCheck(const std::filesystem::path& program_folder, RowList& rows,
                      const WeekdayLabels& labels, CheckOptions options = {});

}  // namespace drawchk
