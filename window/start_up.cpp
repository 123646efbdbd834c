#include "start_up.h"

namespace drawchk {

std::string ArgumentText(int argc, const char* const* argv) {
    std::string text;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) text.push_back(' ');
        text.append(argv[i]);
    }
    text.erase(0, text.find_first_not_of(' '));
    return text;
}

int BatchExitStatus(const CheckOutcome& outcome) {
    if (!outcome.result_written) return kBatchResultNotWritten;
    if (!outcome.draw_file_opened) return kBatchNoDrawFile;
    return kBatchDone;
}

int RunBatch(const std::filesystem::path& program_folder) {
    RowList rows;
    return BatchExitStatus(RunCheck(program_folder, rows, kHungarianDayLabels));
}

}  // namespace drawchk
