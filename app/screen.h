#pragma once

#include <string_view>

namespace drawchk {

// Whether the window can be shown to someone: on POSIX a display the program can connect to
// (or a platform that Qt is told to use), on Windows a window station that is visible. A
// scheduled job has none, and a window there would wait for a user who never comes.
bool WindowCanBeSeen();

// What the program says on stderr where its window cannot be seen.
inline constexpr std::string_view kNoScreenMessage =
    "drawchk: there is no screen to show the window on; \"drawchk Frissit\" (exactly so) "
    "checks without one\n";

}  // namespace drawchk
