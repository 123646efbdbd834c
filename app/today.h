#pragma once

#include <chrono>
#include <optional>

namespace drawchk {

// Today's date on this computer's clock, in its own time zone, taken once for each check.
// DRAWCHK_TODAY=YYYY-MM-DD in the environment stands in for the clock, so that a run can be
// made as of any day: the tests run so, and never read the clock. A DRAWCHK_TODAY that is no
// such date is said once on stderr, and gives none: the clock does not stand in for it.
std::optional<std::chrono::year_month_day> Today();

// The local date on the system clock.
std::chrono::year_month_day LocalDate();

}  // namespace drawchk
