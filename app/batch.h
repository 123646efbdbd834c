#pragma once

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "list_check.h"
#include "run_check.h"

// Batch mode, which a scheduled job runs, and the start that chooses it or the window.
namespace drawchk {

// Exit statuses of batch mode: a missing result matters more than a missing answer. And one
// for a window asked for where no one can see it, which writes nothing.
enum ExitStatus : int {
    kBatchDone = 0,
    kBatchNoAnswer = 1,
    kBatchResultNotWritten = 2,
    kNoScreen = 3,
};
// The status of a check that left `rows` rows: no answer where the draw file was not read to
// its end, no draw could be dated, or a rest-day list that is there could not be read.
int BatchExitStatus(const CheckOutcome& outcome, int rows);

// The lines batch mode writes on stderr after a check in `program_folder`, one for each thing
// that is wrong: the draw file, each rest-day list, where the file breaks, what its lines' own
// dates say, the newest row's date, and a result not written. None for a complete, current
// answer; never more than about ten, each one short line, whatever the files hold.
std::vector<std::string> BatchLines(const CheckOutcome& outcome, const RowList& rows,
                                    const TodaySource& today,
                                    const std::filesystem::path& program_folder);

// How long batch mode waits, at `now`, on a draw file last written at `modified` before it
// reads it: until the file has been still for a second, as a download that pauses is not
// done yet. A time after `now`, as a share with another clock may give, waits it out too, for
// as long as the run lets it.
std::chrono::milliseconds StillFor(std::chrono::system_clock::time_point modified,
                                   std::chrono::system_clock::time_point now);

// Runs one check in `program_folder` on `today` without any window system, once keno.old has
// been still for a second, for at most about three seconds; returns the exit status. Says on stderr
// where the draw file breaks, that the newest row is old or after today, or that the file is there
// under a longer name. Where the program folder is not known it touches no file and says the result
// is not written.
int RunBatch(const std::optional<std::filesystem::path>& program_folder, const TodaySource& today);

// The start both programs make: where the command line is the batch word alone, runs batch
// mode on `today`; where it asks for a window that no one can see, says so on stderr. Either
// way returns the exit status; none where the window is to open.
std::optional<int> RunWithoutWindow(bool batch_word,
                                    const std::optional<std::filesystem::path>& program_folder,
                                    const TodaySource& today);

}  // namespace drawchk
