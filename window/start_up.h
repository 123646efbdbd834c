#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "run_check.h"

namespace drawchk {

// The word that runs one check without a window, for scheduled jobs.
inline constexpr std::string_view kBatchWord = "Frissit";

// The command line after the program name as one text: the arguments joined by single
// blanks, leading blanks removed.
std::string ArgumentText(int argc, const char* const* argv);

// Batch mode is the batch word alone, exactly as written.
inline bool IsBatchMode(std::string_view argument_text) { return argument_text == kBatchWord; }

// Exit statuses of batch mode: a missing result matters more than a missing draw file.
enum BatchStatus : int { kBatchDone = 0, kBatchNoDrawFile = 1, kBatchResultNotWritten = 2 };
int BatchExitStatus(const CheckOutcome& outcome);

// Runs one check in `program_folder` without any window system; returns the exit status.
int RunBatch(const std::filesystem::path& program_folder);

}  // namespace drawchk
