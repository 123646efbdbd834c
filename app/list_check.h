#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>

#include "messages.h"
#include "run_check.h"

// The check as a window's list shows it: the rows, and what the list says besides them.
namespace drawchk {

// Gives today's date. A check asks it once, and only where the newest row's date tells
// something: rows read whole and in place. Reading the clock's time zone is not free.
using TodaySource = std::function<std::chrono::year_month_day()>;

// What the list says after a check: why it is empty, that its rows stop short of the draw
// file's end, or that its newest row is two days old or more (days_old), or dated after
// today (days_old below 0); nothing for a current list of every draw, or for one whose marks
// say where it breaks, since dates after a break cannot be right.
ListHint HintForList(const CheckOutcome& outcome, const RowList& rows, const TodaySource& today);

// The check a window runs on its list; returns the hint the list shows. Where the program
// folder is not known it touches no file and empties the list.
ListHint CheckIntoList(const std::optional<std::filesystem::path>& program_folder, RowList& rows,
                       const WeekdayLabels& labels, const TodaySource& today);

}  // namespace drawchk
