#include "recheck_rule.h"

#include <algorithm>
#include <ctime>

namespace drawchk {

std::chrono::system_clock::time_point NewDayAt(std::chrono::system_clock::time_point now,
                                               std::chrono::system_clock::time_point midnight) {
    using namespace std::chrono_literals;
    return std::clamp(midnight + 1s, now + 1s, now + 25h);
}

std::chrono::system_clock::time_point NewDayAt(std::chrono::system_clock::time_point now) {
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    // The window's one thread is the only caller, so localtime's shared result is safe here.
    const std::tm* today = std::localtime(&seconds);
    if (today == nullptr) return NewDayAt(now, now + std::chrono::hours{24});
    std::tm local = *today;
    local.tm_mday += 1;
    local.tm_hour = local.tm_min = local.tm_sec = 0;
    // Whether the next midnight is in summer time is for mktime to find out.
    local.tm_isdst = -1;
    return NewDayAt(now, std::chrono::system_clock::from_time_t(std::mktime(&local)));
}

}  // namespace drawchk
