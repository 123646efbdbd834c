#pragma once

#include <chrono>
#include <optional>
#include <string_view>

namespace drawchk {

// Today's date on this computer's clock, in its own time zone, taken once for each check.
// DRAWCHK_TODAY=YYYY-MM-DD in the environment stands in for the clock, so that a run can be
// made as of any day: the tests run so, and never read the clock.
std::chrono::year_month_day Today();

// The local date on the system clock.
std::chrono::year_month_day LocalDate();

// A date written YYYY-MM-DD and nothing else; none for any other text or an impossible day.
std::optional<std::chrono::year_month_day> ParseDate(std::string_view text);

}  // namespace drawchk
