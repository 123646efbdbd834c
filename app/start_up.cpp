#include "start_up.h"

namespace drawchk {

int BatchExitStatus(const CheckOutcome& outcome) {
    if (!outcome.result_written) return kBatchResultNotWritten;
    if (outcome.draw_file != DrawFile::kRead) return kBatchNoDrawFile;
    return kBatchDone;
}

design::ListHint HintForList(const CheckOutcome& outcome, const RowList& rows) {
    using design::ListHint;
    if (rows.Count() > 0) {
        return outcome.draw_file == DrawFile::kUnreadable ? ListHint::kReadPartly : ListHint::kNone;
    }
    switch (outcome.draw_file) {
        case DrawFile::kMissing:
            return ListHint::kNoDrawFile;
        case DrawFile::kUnreadable:
            return ListHint::kUnreadableDrawFile;
        case DrawFile::kRead:
            break;
    }
    return ListHint::kNoDrawAfterHistory;
}

design::ListHint RunWindowCheck(const std::optional<std::filesystem::path>& program_folder,
                                RowList& rows, const WeekdayLabels& labels) {
    if (!program_folder) {
        rows.Clear();
        return design::ListHint::kUnknownFolder;
    }
    return HintForList(RunCheck(*program_folder, rows, labels), rows);
}

int RunBatch(const std::optional<std::filesystem::path>& program_folder) {
    if (!program_folder) return kBatchResultNotWritten;
    RowList rows;
    return BatchExitStatus(RunCheck(*program_folder, rows, kHungarianDayLabels));
}

}  // namespace drawchk
