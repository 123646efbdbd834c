#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

#include "messages.h"
#include "run_check.h"

namespace drawchk {

// Exit statuses of batch mode: a missing result matters more than a missing draw file. And
// one for a window asked for where no one can see it, which writes nothing.
enum ExitStatus : int {
    kBatchDone = 0,
    kBatchNoDrawFile = 1,
    kBatchResultNotWritten = 2,
    kNoScreen = 3,
};
int BatchExitStatus(const CheckOutcome& outcome);

// What the list says after a check: why it is empty, or that its rows stop short of the
// draw file's end; nothing for a list of every draw.
ListHint HintForList(const CheckOutcome& outcome, const RowList& rows);

// The check a window runs on its list; returns the hint the list shows. Where the program
// folder is not known it touches no file and empties the list.
ListHint RunWindowCheck(const std::optional<std::filesystem::path>& program_folder, RowList& rows,
                        const WeekdayLabels& labels);

// Runs one check in `program_folder` without any window system; returns the exit status. Says
// on stderr where the draw file breaks, or that it is there under a longer name. Where the
// program folder is not known it touches no file and says the result is not written.
int RunBatch(const std::optional<std::filesystem::path>& program_folder);

}  // namespace drawchk
