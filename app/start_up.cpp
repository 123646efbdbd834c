#include "start_up.h"

namespace drawchk {

int BatchExitStatus(const CheckOutcome& outcome) {
    if (!outcome.result_written) return kBatchResultNotWritten;
    if (outcome.draw_file != DrawFile::kRead) return kBatchNoDrawFile;
    return kBatchDone;
}

void RunWindowCheck(const std::optional<std::filesystem::path>& program_folder, RowList& rows,
                    const WeekdayLabels& labels) {
    if (program_folder) {
        RunCheck(*program_folder, rows, labels);
        return;
    }
    rows.Clear();
    rows.Append(kUnknownFolderRow);
}

int RunBatch(const std::optional<std::filesystem::path>& program_folder) {
    if (!program_folder) return kBatchResultNotWritten;
    RowList rows;
    return BatchExitStatus(RunCheck(*program_folder, rows, kHungarianDayLabels));
}

}  // namespace drawchk
