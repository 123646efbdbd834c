#include "start_up.h"

namespace drawchk {

int BatchExitStatus(const CheckOutcome& outcome) {
    if (!outcome.result_written) return kBatchResultNotWritten;
    if (outcome.draw_file != DrawFile::kRead) return kBatchNoDrawFile;
    return kBatchDone;
}

ListHint HintForList(const CheckOutcome& outcome, const RowList& rows) {
    if (rows.Count() > 0) {
        return {outcome.draw_file == DrawFile::kUnreadable ? ListHint::kReadPartly
                                                           : ListHint::kNone};
    }
    switch (outcome.draw_file) {
        case DrawFile::kMissing:
            if (!outcome.misnamed_draw_file.empty()) {
                return {ListHint::kMisnamedDrawFile, outcome.misnamed_draw_file};
            }
            return {ListHint::kNoDrawFile};
        case DrawFile::kUnreadable:
            return {ListHint::kUnreadableDrawFile};
        case DrawFile::kRead:
            break;
    }
    return {ListHint::kNoDrawAfterHistory};
}

ListHint RunWindowCheck(const std::optional<std::filesystem::path>& program_folder, RowList& rows,
                        const WeekdayLabels& labels) {
    if (!program_folder) {
        rows.Clear();
        return {ListHint::kUnknownFolder};
    }
    return HintForList(RunCheck(*program_folder, rows, labels), rows);
}

int RunBatch(const std::optional<std::filesystem::path>& program_folder) {
    if (!program_folder) return kBatchResultNotWritten;
    RowList rows;
    const CheckOutcome outcome = RunCheck(*program_folder, rows, kHungarianDayLabels);
    // A scheduled job never sees the marks; cron mails what it prints, and only then.
    if (rows.FirstBreak()) SayOnStderr(BreakLine(*rows.FirstBreak()));
    if (!outcome.misnamed_draw_file.empty()) {
        SayOnStderr(MisnamedDrawFileLine(outcome.misnamed_draw_file));
    }
    return BatchExitStatus(outcome);
}

}  // namespace drawchk
