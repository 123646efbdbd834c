#include "run_check.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <system_error>

#include "draw_number.h"
#include "draw_reader.h"
#include "result_file.h"
#include "system_files.h"

namespace drawchk {
namespace {

// Whether `name` is keno.old under another name as users give it: with more after a dot
// (keno.old.txt), with blanks after it, or in other letter cases.
bool NamesTheDrawFile(std::string_view name) {
    const std::string wanted = kDrawFileName.string();
    std::string lower(name);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (lower.size() > wanted.size() && lower.starts_with(wanted + ".")) return true;
    lower.erase(lower.find_last_not_of(' ') + 1);
    return lower == wanted && name != wanted;
}

// The first file in `folder`, in name order, that is keno.old under another name.
std::string MisnamedDrawFile(const std::filesystem::path& folder) {
    std::string first;
    std::error_code error;
    for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        const std::u8string name = entry->path().filename().u8string();
        const std::string text(name.begin(), name.end());
        if ((first.empty() || text < first) && NamesTheDrawFile(text) &&
            entry->is_regular_file(error)) {
            first = text;
        }
    }
    return first;
}

}  // namespace

WalkEnd DateDraws(ByteSource& source, RowList& rows, const WeekdayLabels& labels,
                  const RestDays& rest_days, int history) {
    DrawReader reader(source);
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
            rows.NoteBreak(
                {rows.Count() - 1, draw, draw_of_place, std::string(DrawNumberText(item))});
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
    if (outcome.draw_file == DrawFile::kMissing)
        outcome.misnamed_draw_file = MisnamedDrawFile(folder);
    rows.SetFirstVisible(rows.Count() - kVisibleRows);
    // An empty list gives an empty line, so the result file still holds exactly one line.
    outcome.result_written =
        ReplaceResultFile(folder / kResultFileName, rows.Text(rows.Count() - 1));
    return outcome;
}

}  // namespace drawchk
