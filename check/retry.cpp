#include "retry.h"

namespace drawchk {

bool TryForASecond(const std::function<bool()>& once,
                   const std::function<void(std::chrono::milliseconds)>& wait) {
    // Growing waits: a short save is over at once, a long one is not waited out for long.
    static constexpr std::chrono::milliseconds kWaits[] = {
        std::chrono::milliseconds(10),  std::chrono::milliseconds(20),
        std::chrono::milliseconds(40),  std::chrono::milliseconds(80),
        std::chrono::milliseconds(160), std::chrono::milliseconds(320),
        std::chrono::milliseconds(370)};
    if (once()) return true;
    for (const std::chrono::milliseconds pause : kWaits) {
        wait(pause);
        if (once()) return true;
    }
    return false;
}

}  // namespace drawchk
