#include "run_check.h"

#include <optional>
#include <string>
#include <system_error>

#include "draw_number.h"
#include "draw_reader.h"
#include "result_file.h"
#include "system_files.h"

namespace drawchk {
WalkEnd DateDraws(ByteSource& source, RowList& rows, const WeekdayLabels& labels,
                  const RestDays& rest_days, int history) {
    Utf8Source text(source);
    DrawReader reader(text);
    // Failed reads count like good ones, so a short file does not stop the count.
    for (int i = 0; i < history; ++i) reader.SkipItem();
    rows.Clear();
    DrawCalendar calendar(rest_days);
    LineDates line_dates(rest_days);
    bool failed = false;
    std::string_view item;
    std::string row;
    while (true) {
        if (!reader.ReadItem(item)) failed = true;
        if (failed) break;
        const std::int64_t draw = calendar.NextRow(item, labels, row);
        const std::int64_t draw_of_place = std::int64_t{history} + 1 + rows.Count();
        if (!rows.Append(row, draw != draw_of_place)) {
            failed = true;
            continue;
        }
        line_dates.Add(rows.Count() - 1, item, calendar.PreviousDay(), draw == draw_of_place,
                       calendar.PassedRestDays());
        if (draw != draw_of_place && !rows.FirstBreak()) {
            rows.NoteBreak({rows.Count() - 1, draw, draw_of_place, std::string(item)});
        }
        rows.NoteNewestDate(calendar.PreviousDate());
    }
    return {.read_whole = !source.ReadFailed(),
            .last_rest_day = calendar.LastRestDay(),
            .line_dates = line_dates.Finish()};
}

CheckOutcome RunCheck(const std::filesystem::path& program_folder, RowList& rows,
                      const WeekdayLabels& labels) {
    // Every file of the check lies in this folder, however long its path.
    const std::filesystem::path folder = FileCallPath(program_folder);
    CheckOutcome outcome;
    // Read anew at every check, so an edit of the list counts at the next one.
    RestDays rest_days;
    const std::vector<std::filesystem::path> lists = RestDayFilesIn(folder);
    for (const std::filesystem::path& list : lists) {
        RestDayListReport report = rest_days.AddListedIn(list);
        if (report.HasFault()) outcome.rest_day_lists.push_back(std::move(report));
    }
    if (lists.empty()) {
        outcome.misnamed_rest_day_lists = MisnamedFilesIn(folder, kRestDayListNames, true);
    }
    {
        FileSource draw_file;
        const FileOpen opened = draw_file.Open(folder / kDrawFileName);
        outcome.draw_file = opened == FileOpen::kOpened    ? DrawFile::kRead
                            : opened == FileOpen::kMissing ? DrawFile::kMissing
                            : opened == FileOpen::kBusy    ? DrawFile::kBusy
                                                           : DrawFile::kUnreadable;
        // The rows up to a failed read stay, but the file was not read to its end.
        outcome.walk = DateDraws(draw_file, rows, labels, rest_days);
        if (!outcome.walk.read_whole) outcome.draw_file = DrawFile::kUnreadable;
    }  // The draw file is closed before the result file is opened.
    if (outcome.draw_file == DrawFile::kMissing) {
        if (std::optional<std::string> target = DanglingLinkTarget(folder / kDrawFileName)) {
            outcome.draw_file = DrawFile::kDanglingLink;
            outcome.draw_file_link_target = std::move(*target);
        } else {
            const std::string_view wanted[] = {"keno.old"};
            outcome.misnamed_draw_files = MisnamedFilesIn(folder, wanted, false);
        }
    }
    rows.SetFirstVisible(rows.Count() - kVisibleRows);
    const std::filesystem::path result = folder / kResultFileName;
    std::error_code error;
    const std::filesystem::file_status earlier = std::filesystem::symlink_status(result, error);
    outcome.earlier_result =
        std::filesystem::is_regular_file(earlier) || std::filesystem::is_symlink(earlier);
    // An empty list gives an empty line, so the result file still holds exactly one line.
    outcome.result_failure = ReplaceResultFile(result, rows.Text(rows.Count() - 1));
    outcome.result_written = outcome.result_failure == WriteFailure::kNone;
    return outcome;
}

}  // namespace drawchk
