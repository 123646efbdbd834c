#include <windows.h>

#include "screen.h"

namespace drawchk {

bool WindowCanBeSeen() {
    // A task that runs whether the user is logged on or not gets a window station that no
    // one sees; where the flags cannot be read, the window is shown as ever.
    USEROBJECTFLAGS flags{};
    DWORD needed = 0;
    if (!GetUserObjectInformationW(GetProcessWindowStation(), UOI_FLAGS, &flags, sizeof flags,
                                   &needed)) {
        return true;
    }
    return (flags.dwFlags & WSF_VISIBLE) != 0;
}

}  // namespace drawchk
