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

// One line for each thing that is wrong: the draw file, each rest-day list, where the file
// breaks, what its lines' own dates say, and the newest row's date.
void SayWhatIsWrong(const CheckOutcome& outcome, const RowList& rows, const TodaySource& today) {
    const ListHint hint = HintForList(outcome, rows, today);
    if (rows.Count() == 0 || hint.kind == ListHint::kReadPartly) {
        SayOnStderr(
            HintLine(hint, hint.kind == ListHint::kNoDrawAfterHistory && outcome.result_written));
    }
    for (const ListHint& list : RestDayListHints(outcome)) SayOnStderr(HintLine(list));
    if (const std::optional<FileBreak>& at = rows.FirstBreak()) {
        SayOnStderr(BreakLine(*at, at->row == rows.Count() - 1));
    }
    if (const std::optional<ListHint> dates = LineDatesHint(outcome)) SayOnStderr(HintLine(*dates));
    if (const std::optional<ListHint> newest = JudgeNewestRow(outcome, rows, today)) {
        // Rows in place: the newest row holds the draw of its place, dated as the draw file's
        // own dates give it where they can be trusted.
        SayOnStderr(NewestDrawLine(kHistoryItems + rows.Count(),
                                   outcome.walk.line_dates.newest_date.value_or(*rows.NewestDate()),
                                   newest->days_old, newest->example_rest_day));
    }
}

}  // namespace

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
    SayWhatIsWrong(outcome, rows, today);
    if (!outcome.result_written) {
        SayOnStderr(ResultNotWrittenLine(*program_folder / kResultFileName, outcome.result_failure,
                                         outcome.earlier_result));
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
