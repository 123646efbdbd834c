#pragma once

#include <chrono>
#include <filesystem>
#include <optional>

#include "messages.h"
#include "run_check.h"

// The check as a window's list shows it: the rows, and what the list says besides them.
namespace drawchk {

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
ListHint CheckIntoList(const std::optional<std::filesystem::path>& program_folder, RowList& rows,
                       const WeekdayLabels& labels, std::chrono::year_month_day today);

}  // namespace drawchk
