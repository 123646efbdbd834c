#include "run_check.h"

#include <optional>
#include <string>
#include <system_error>
#include <thread>
#include <utility>

#include "draw_number.h"
#include "draw_reader.h"
#include "result_file.h"
#include "system_files.h"

namespace drawchk {
namespace {

// The walk over the records after the history: the calendar, what the lines' own dates say,
// and each record's row.
class Walk {
  public:
    Walk(const RestDays& rest_days, const WeekdayLabels& labels, int history)
        : labels_(labels), history_(history), calendar_(rest_days), line_dates_(rest_days) {}

    // Dates `item` into `rows`, marked where its draw is not the one of its place; false,
    // with nothing changed, where the list is full.
    bool Date(std::string_view item, RowList& rows) {
        const std::int64_t draw = calendar_.NextRow(item, labels_, row_);
        const std::int64_t draw_of_place = std::int64_t{history_} + 1 + rows.Count();
        if (!rows.Append(row_, draw != draw_of_place)) return false;
        line_dates_.Add(item, draw, calendar_.PreviousDay(), draw == draw_of_place,
                        calendar_.PassedRestDays());
        if (const std::optional<FileBreak>& at = rows.FirstBreak()) {
            if (at->row == rows.Count() - 2) rows.NoteAfterBreak(draw);
        } else if (draw != draw_of_place) {
            rows.NoteBreak({rows.Count() - 1, draw, draw_of_place, std::string(item), previous_});
        }
        previous_ = draw;
        rows.NoteNewestDate(calendar_.PreviousDate());
        return true;
    }

    WalkEnd End(bool read_failed, bool ended_inside_line) const {
        return {.read_whole = !read_failed,
                .ended_inside_line = ended_inside_line,
                .last_rest_day = calendar_.LastRestDay(),
                .line_dates = line_dates_.Finish()};
    }

  private:
    const WeekdayLabels& labels_;
    int history_;
    DrawCalendar calendar_;
    LineDates line_dates_;
    // The draw of the row dated last; none (-1) before the first, as the history is skipped
    // unread.
    std::int64_t previous_ = -1;
    std::string row_;  // reused, so a long walk allocates nothing
};

}  // namespace

WalkEnd DateDraws(ByteSource& source, RowList& rows, const WeekdayLabels& labels,
                  const RestDays& rest_days, int history) {
    Utf8Source text(source);
    DrawReader reader(text);
    // Failed reads count like good ones, so a short file does not stop the count.
    for (int i = 0; i < history; ++i) reader.SkipItem();
    rows.Clear();
    Walk walk(rest_days, labels, history);
    bool failed = false;
    std::string_view item;
    while (true) {
        if (!reader.ReadItem(item)) failed = true;
        if (failed) break;
        if (!walk.Date(item, rows)) failed = true;
    }
    return walk.End(source.ReadFailed(), reader.EndedInsideLine());
}

namespace {

// Reads every rest-day list in `folder` into `rest_days`, and notes those with a fault, or,
// where there is none, files that are likely one under another name.
void ReadRestDayLists(const std::filesystem::path& folder, RestDays& rest_days,
                      CheckOutcome& outcome) {
    // Listed once: the folder is asked for its lists and, where there is none, near misses.
    const std::vector<std::filesystem::directory_entry> entries = FolderEntries(folder);
    const std::vector<std::filesystem::path> lists = RestDayFilesIn(entries);
    for (const std::filesystem::path& list : lists) {
        RestDayListReport report = rest_days.AddListedIn(list);
        if (report.HasFault()) outcome.rest_day_lists.push_back(std::move(report));
    }
    if (lists.empty()) {
        outcome.misnamed_rest_day_lists = MisnamedFilesIn(entries, kRestDayListNames, true);
    }
}

DrawFile DrawFileOpened(FileOpen opened) {
    switch (opened) {
        case FileOpen::kOpened:
            return DrawFile::kRead;
        case FileOpen::kMissing:
            return DrawFile::kMissing;
        case FileOpen::kBusy:
            return DrawFile::kBusy;
        default:
            return DrawFile::kUnreadable;
    }
}

// Dates the draw file into `rows`, read again while it changes as it is read, about a second
// in all; one that keeps changing leaves no rows.
void DateDrawFile(const std::filesystem::path& path, RowList& rows, const WeekdayLabels& labels,
                  const RestDays& rest_days, CheckOutcome& outcome) {
    const bool still = TryForASecond(
        [&] {
            FileSource draw_file;
            outcome.draw_file = DrawFileOpened(draw_file.Open(path));
            // The rows up to a failed read stay, but the file was not read to its end.
            outcome.walk = DateDraws(draw_file, rows, labels, rest_days);
            if (!outcome.walk.read_whole) outcome.draw_file = DrawFile::kUnreadable;
            return outcome.draw_file != DrawFile::kRead || !draw_file.Changed();
        },
        [](std::chrono::milliseconds pause) { std::this_thread::sleep_for(pause); });
    if (still) return;
    outcome.draw_file = DrawFile::kChanging;
    rows.Clear();
}

// With no draw file: a link at its name to nothing, or files that are likely it.
void LookForTheDrawFile(const std::filesystem::path& folder, CheckOutcome& outcome) {
    if (std::optional<std::string> target = DanglingLinkTarget(folder / kDrawFileName)) {
        outcome.draw_file = DrawFile::kDanglingLink;
        outcome.draw_file_link_target = std::move(*target);
        return;
    }
    const std::string_view wanted[] = {"keno.old"};
    outcome.misnamed_draw_files = MisnamedFilesIn(FolderEntries(folder), wanted, false);
}

void WriteResult(const std::filesystem::path& path, const RowList& rows, CheckOutcome& outcome) {
    std::error_code error;
    const std::filesystem::file_status earlier = std::filesystem::symlink_status(path, error);
    outcome.earlier_result =
        std::filesystem::is_regular_file(earlier) || std::filesystem::is_symlink(earlier);
    // An empty list gives an empty line, so the result file still holds exactly one line.
    outcome.result_failure = ReplaceResultFile(path, rows.Text(rows.Count() - 1));
    outcome.result_written = outcome.result_failure == WriteFailure::kNone;
}

}  // namespace

CheckOutcome RunCheck(const std::filesystem::path& program_folder, RowList& rows,
                      const WeekdayLabels& labels, CheckOptions options) {
    // Every file of the check lies in this folder, however long its path.
    const std::filesystem::path folder = FileCallPath(program_folder);
    CheckOutcome outcome;
    // Read anew at every check, so an edit of the list counts at the next one.
    RestDays rest_days;
    ReadRestDayLists(folder, rest_days, outcome);
    // The draw file is closed before the result file is opened.
    DateDrawFile(folder / kDrawFileName, rows, labels, rest_days, outcome);
    if (outcome.draw_file == DrawFile::kMissing) LookForTheDrawFile(folder, outcome);
    rows.SetFirstVisible(rows.Count() - kVisibleRows);
    if (options.hold_unended && outcome.walk.ended_inside_line) {
        outcome.held_back = true;
        return outcome;
    }
    WriteResult(folder / kResultFileName, rows, outcome);
    return outcome;
}

}  // namespace drawchk
