#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

#include "run_check.h"

namespace drawchk {

// Exit statuses of batch mode: a missing result matters more than a missing draw file.
enum BatchStatus : int { kBatchDone = 0, kBatchNoDrawFile = 1, kBatchResultNotWritten = 2 };
int BatchExitStatus(const CheckOutcome& outcome);

// The row a window shows in place of a check where the program folder is not known, in the
// draw file's code page (Windows-1250): "A program mappája nem állapítható meg."
inline constexpr std::string_view kUnknownFolderRow =
    "A program mapp\xE1ja nem \xE1llap\xEDthat\xF3 meg.";

// The check a window runs on its list. Where the program folder is not known it touches no
// file, and the list holds the one row that says so.
void RunWindowCheck(const std::optional<std::filesystem::path>& program_folder, RowList& rows,
                    const WeekdayLabels& labels);

// Runs one check in `program_folder` without any window system; returns the exit status.
// Where the program folder is not known it touches no file and says the result is not written.
int RunBatch(const std::optional<std::filesystem::path>& program_folder);

}  // namespace drawchk
