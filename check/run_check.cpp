#include "run_check.h"

#include <string>

#include "draw_reader.h"
#include "result_file.h"

namespace drawchk {

void DateDraws(ByteSource& source, RowList& rows, const WeekdayLabels& labels, int history) {
    DrawReader reader(source);
    // Failed reads count like good ones, so a short file does not stop the count.
    for (int i = 0; i < history; ++i) reader.SkipItem();
    rows.Clear();
    DrawCalendar calendar;
    bool failed = false;
    std::string_view item;
    std::string row;
    while (true) {
        if (!reader.ReadItem(item)) failed = true;
        if (failed) break;
        calendar.NextRow(item, labels, row);
        if (!rows.Append(row)) failed = true;
    }
}

CheckOutcome RunCheck(const std::filesystem::path& program_folder, RowList& rows,
                      const WeekdayLabels& labels) {
    CheckOutcome outcome;
    {
        FileSource draw_file;
        outcome.draw_file_opened = draw_file.Open(program_folder / kDrawFileName);
        DateDraws(draw_file, rows, labels);
    }  // The draw file is closed before the result file is opened.
    rows.SetFirstVisible(rows.Count() - kVisibleRows);
    // An empty list gives an empty line, so the result file still holds exactly one line.
    outcome.result_written =
        ReplaceResultFile(program_folder / kResultFileName, rows.Text(rows.Count() - 1));
    return outcome;
}

}  // namespace drawchk
