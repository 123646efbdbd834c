#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <vector>

#include "messages.h"
#include "run_check.h"

// The check as a window's list shows it: the rows, and what the list says besides them.
namespace drawchk {

// Gives today's date, or none where it cannot be known, and the newest row is then not judged.
// A check asks it once, and only where the newest row's date tells something: rows read whole
// and in place. Reading the clock's time zone is not free.
using TodaySource = std::function<std::optional<std::chrono::year_month_day>()>;

// The newest row's date judged against today: a hint where it is two days old or more
// (days_old, with the day to list as an example), or dated after today (days_old below 0);
// none where it is current, or where its date tells nothing: no rows, rows that stop short of
// the draw file's end, or rows that go out of place, whose dates cannot be right. Where the
// draw file's lines carry dates that can be trusted, the newest row is judged by its own.
std::optional<ListHint> JudgeNewestRow(const CheckOutcome& outcome, const RowList& rows,
                                       const TodaySource& today);

// A hint for each rest-day list with a fault, and one for lists that have another name.
std::vector<ListHint> RestDayListHints(const CheckOutcome& outcome);
// Why the list is empty, or that its rows stop where a read of the draw file failed; none
// for rows read whole.
std::optional<ListHint> ReadingHint(const CheckOutcome& outcome, const RowList& rows);
// What went wrong where the rows first go out of place; none where they never do.
std::optional<ListHint> BreakHint(const RowList& rows);
// What the draw file's own dates say the count got wrong, a hint for each kind of finding.
std::vector<ListHint> LineDatesHints(const CheckOutcome& outcome);

// What the list says after a check: why it is empty, that its rows stop short of the draw
// file's end, that a rest-day list has a fault, which likely explains an old newest row, where
// the draw file breaks, what its own dates say, or what JudgeNewestRow says; nothing for a
// current list of every draw.
ListHint HintForList(const CheckOutcome& outcome, const RowList& rows, const TodaySource& today);

}  // namespace drawchk
