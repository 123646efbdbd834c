#pragma once

#include <string_view>

namespace drawchk {

// Whether the window can be shown to someone: on POSIX a display the program can connect to
// (or a platform that Qt is told to use), on Windows a window station that is visible. A
// scheduled job has none, and a window there would wait for a user who never comes.
bool WindowCanBeSeen();

// The Qt platform the window opens on where the program chooses it: on a Wayland desktop that
// also offers X (XWayland), X, where a window can stay above the others as designed, which
// Wayland lets no client do. Empty where Qt chooses.
constexpr std::string_view ChooseWindowPlatform(bool x_display_answers,
                                                bool wayland_display_answers) {
    return x_display_answers && wayland_display_answers ? "xcb" : "";
}
// The same for the environment the program runs in (POSIX); empty where the user has named a
// platform.
std::string_view WindowPlatform();

}  // namespace drawchk
