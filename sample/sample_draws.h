#pragma once

#include <string>

namespace drawchk {

// A draw file of draws `first` to `last`, one per line: the number and twenty distinct
// numbers from 1 to 80, CR LF line ends. The same arguments always give the same bytes.
std::string SampleDraws(int first, int last);

}  // namespace drawchk
