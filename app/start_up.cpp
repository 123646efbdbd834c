#include "start_up.h"

namespace drawchk {

int BatchExitStatus(const CheckOutcome& outcome) {
    if (!outcome.result_written) return kBatchResultNotWritten;
    if (outcome.draw_file != DrawFile::kRead) return kBatchNoDrawFile;
    return kBatchDone;
}

std::optional<int> NewestDrawAge(const CheckOutcome& outcome, const RowList& rows,
                                 std::chrono::year_month_day today) {
    if (outcome.draw_file != DrawFile::kRead || rows.FirstBreak() || !rows.NewestDate()) {
        return std::nullopt;
    }
    return static_cast<int>(
        (std::chrono::sys_days{today} - std::chrono::sys_days{*rows.NewestDate()}).count());
}

ListHint HintForList(const CheckOutcome& outcome, const RowList& rows,
                     std::chrono::year_month_day today) {
    if (rows.Count() > 0) {
        if (outcome.draw_file == DrawFile::kUnreadable) return {ListHint::kReadPartly};
        // Yesterday's draw may not be added yet, and today's may not be held yet.
        const std::optional<int> age = NewestDrawAge(outcome, rows, today);
        if (age && *age < 0) return {ListHint::kNewestDrawAfterToday};
        ListHint hint;
        if (age && *age >= 2) {
            hint.kind = ListHint::kNewestDrawOld;
            hint.days_old = *age;
        }
        return hint;
    }
    switch (outcome.draw_file) {
        case DrawFile::kMissing:
            if (!outcome.misnamed_draw_file.empty()) {
                return {ListHint::kMisnamedDrawFile, outcome.misnamed_draw_file};
            }
            return {ListHint::kNoDrawFile};
        case DrawFile::kUnreadable:
            return {ListHint::kUnreadableDrawFile};
        case DrawFile::kBusy:
            return {ListHint::kBusyDrawFile};
        case DrawFile::kRead:
            break;
    }
    return {ListHint::kNoDrawAfterHistory};
}

ListHint RunWindowCheck(const std::optional<std::filesystem::path>& program_folder, RowList& rows,
                        const WeekdayLabels& labels, std::chrono::year_month_day today) {
    if (!program_folder) {
        rows.Clear();
        return {ListHint::kUnknownFolder};
    }
    return HintForList(RunCheck(*program_folder, rows, labels), rows, today);
}

int RunBatch(const std::optional<std::filesystem::path>& program_folder,
             std::chrono::year_month_day today) {
    // A scheduled job never sees the window; cron mails what it prints, so it prints a line
    // whenever the run is not a complete, current answer, and only then.
    if (!program_folder) {
        SayOnStderr(HintLine({ListHint::kUnknownFolder}));
        return kBatchResultNotWritten;
    }
    RowList rows;
    const CheckOutcome outcome = RunCheck(*program_folder, rows, kHungarianDayLabels);
    const ListHint hint = HintForList(outcome, rows, today);
    const std::optional<int> age = NewestDrawAge(outcome, rows, today);
    if (age && (*age >= 2 || *age < 0)) {
        // Rows in place: the newest row holds the draw of its place.
        SayOnStderr(NewestDrawLine(kHistoryItems + rows.Count(), *rows.NewestDate(), *age));
    } else if (hint.kind != ListHint::kNone) {
        SayOnStderr(HintLine(hint));
    }
    if (rows.FirstBreak()) {
        SayOnStderr(BreakLine(*rows.FirstBreak(), rows.FirstBreak()->row == rows.Count() - 1));
    }
    if (!outcome.result_written) {
        const std::u8string path = (*program_folder / kResultFileName).u8string();
        SayOnStderr(ResultNotWrittenLine(std::string(path.begin(), path.end())));
    }
    return BatchExitStatus(outcome);
}

}  // namespace drawchk
