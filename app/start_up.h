#pragma once

#include <chrono>
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

// How many days before `today` the newest row is dated (less than 0: after it); none where its
// date tells nothing: no rows, rows that stop short of the draw file's end, or rows that go
// out of place, whose dates cannot be right until the file is mended.
std::optional<int> NewestDrawAge(const CheckOutcome& outcome, const RowList& rows,
                                 std::chrono::year_month_day today);

// What the list says after a check on `today`: why it is empty, that its rows stop short of
// the draw file's end, or that its newest row is two days old or more, or dated after today;
// nothing for a current list of every draw, or one whose marks say where it breaks.
ListHint HintForList(const CheckOutcome& outcome, const RowList& rows,
                     std::chrono::year_month_day today);

// The check a window runs on its list on `today`; returns the hint the list shows. Where the
// program folder is not known it touches no file and empties the list.
ListHint RunWindowCheck(const std::optional<std::filesystem::path>& program_folder, RowList& rows,
                        const WeekdayLabels& labels, std::chrono::year_month_day today);

// Runs one check in `program_folder` on `today` without any window system; returns the exit
// status. Says on stderr where the draw file breaks, that the newest row is old or after
// today, or that the file is there under a longer name. Where the program folder is not known
// it touches no file and says the result is not written.
int RunBatch(const std::optional<std::filesystem::path>& program_folder,
             std::chrono::year_month_day today);

}  // namespace drawchk
