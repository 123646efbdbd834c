#include "batch.h"

#include <algorithm>
#include <thread>

#include "file_stamp.h"
#include "messages.h"
#include "screen.h"
#include "system_files.h"

namespace drawchk {

int BatchExitStatus(const CheckOutcome& outcome, int rows) {
    if (!outcome.result_written) return kBatchResultNotWritten;
    if (outcome.draw_file != DrawFile::kRead || rows == 0) return kBatchNoAnswer;
    // A list that is there but was not read may hold the day that puts every later date
    // right, so the dates are no answer; a list with a faulty line was read all the same.
    for (const RestDayListReport& list : outcome.rest_day_lists) {
        if (list.read != RestDayListReport::Read::kRead) return kBatchNoAnswer;
    }
    return kBatchDone;
}

std::chrono::milliseconds StillFor(std::chrono::system_clock::time_point modified,
                                   std::chrono::system_clock::time_point now) {
    using namespace std::chrono_literals;
    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(modified + 1s - now);
    return std::max(wait, 0ms);
}

namespace {

// Waits until the draw file has been still for a second, for at most about three seconds in
// all. A file with nothing in it, a device or a link to nothing is not waited on.
void WaitUntilStill(const std::filesystem::path& draw_file) {
    using namespace std::chrono_literals;
    const auto given_up = std::chrono::steady_clock::now() + 3s;
    while (true) {
        const FileStamp stamp = StampOf(draw_file);
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(
            given_up - std::chrono::steady_clock::now());
        const auto wait = StillFor(stamp.modified, std::chrono::system_clock::now());
        if (!stamp.exists || stamp.size == 0 || wait == 0ms || left <= 0ms) return;
        std::this_thread::sleep_for(std::min(wait, left));
    }
}

}  // namespace

std::vector<std::string> BatchLines(const CheckOutcome& outcome, const RowList& rows,
                                    const TodaySource& today,
                                    const std::filesystem::path& program_folder) {
    std::vector<std::string> lines;
    if (const std::optional<ListHint> reading = ReadingHint(outcome, rows)) {
        lines.push_back(HintLine(
            *reading, reading->kind == ListHint::kNoDrawAfterHistory && outcome.result_written));
    }
    const std::vector<ListHint> lists = RestDayListHints(outcome);
    for (std::size_t i = 0; i < lists.size() && i < kListLinesAtMost; ++i) {
        lines.push_back(HintLine(lists[i]));
    }
    if (lists.size() > kListLinesAtMost) {
        lines.push_back(MoreListsLine(static_cast<int>(lists.size() - kListLinesAtMost)));
    }
    if (const std::optional<ListHint> at = BreakHint(rows)) lines.push_back(HintLine(*at));
    for (const ListHint& dates : LineDatesHints(outcome)) lines.push_back(HintLine(dates));
    if (const std::optional<ListHint> newest = JudgeNewestRow(outcome, rows, today)) {
        // Rows in place: the newest row holds the draw of its place, dated as the draw file's
        // own dates give it where they can be trusted.
        const std::chrono::year_month_day count = *rows.NewestDate();
        const std::chrono::year_month_day date =
            outcome.walk.line_dates.newest_date.value_or(count);
        lines.push_back(NewestDrawLine(kHistoryItems + rows.Count(), date, date != count,
                                       newest->days_old, newest->example_rest_day));
    }
    if (!outcome.result_written) {
        lines.push_back(ResultNotWrittenLine(program_folder / kResultFileName,
                                             outcome.result_failure, outcome.earlier_result));
    }
    return lines;
}

int RunBatch(const std::optional<std::filesystem::path>& program_folder, const TodaySource& today) {
    // A scheduled job never sees the window; cron mails what it prints, so it prints a line
    // whenever the run is not a complete, current answer, and only then.
    if (!program_folder) {
        SayOnStderr(HintLine({ListHint::kUnknownFolder}));
        return kBatchResultNotWritten;
    }
    WaitUntilStill(FileCallPath(*program_folder) / kDrawFileName);
    RowList rows;
    const CheckOutcome outcome = RunCheck(*program_folder, rows, kHungarianDayLabels);
    for (const std::string& line : BatchLines(outcome, rows, today, *program_folder)) {
        SayOnStderr(line);
    }
    return BatchExitStatus(outcome, rows.Count());
}

std::optional<int> RunWithoutWindow(bool batch_word,
                                    const std::optional<std::filesystem::path>& program_folder,
                                    const TodaySource& today) {
    // Batch mode is decided before anything of a window exists, so it needs no display.
    if (batch_word) return RunBatch(program_folder, today);
    // A mistyped batch word in a scheduled job must not wait for a user who never comes.
    if (!WindowCanBeSeen()) {
        SayOnStderr(kNoScreenLine);
        return kNoScreen;
    }
    return std::nullopt;
}

}  // namespace drawchk
