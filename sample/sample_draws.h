#pragma once

#include <chrono>
#include <optional>
#include <string>

namespace drawchk {

// A draw file of draws `first` to `last`, one per line: the number and twenty distinct
// numbers from 1 to 80, CR LF line ends. The same arguments always give the same bytes.
std::string SampleDraws(int first, int last);

// The same, those after the history with their real day after the number, as many draw files
// carry it ("10113 2025-08-29 3 5 ..."): one day a draw from 2011-08-25 but on the days
// without a draw the program knows, and on `no_draw`, a day it does not know.
std::string DatedSampleDraws(int first, int last,
                             std::optional<std::chrono::year_month_day> no_draw = {});

}  // namespace drawchk
