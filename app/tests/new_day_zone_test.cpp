// The new day through the system's local time, as a window asks for it, across the days a
// time zone's clocks change: those days are 23 and 25 hours long.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <string>

#include "recheck_rule.h"

namespace drawchk {
namespace {

using namespace std::chrono_literals;
using std::chrono::sys_days;

TEST(NewDay, ComesASecondPastLocalMidnightAcrossClockChanges) {
    const char* was = std::getenv("TZ");
    const std::string kept = was != nullptr ? was : "";
    setenv("TZ", "Europe/Budapest", 1);
    tzset();
    const struct {
        const char* name;
        std::chrono::system_clock::time_point now;  // UTC
        std::chrono::system_clock::time_point new_day;
    } cases[] = {
        {"a winter noon", sys_days{2025y / 1 / 15} + 11h, sys_days{2025y / 1 / 15} + 23h + 1s},
        {"before the spring change", sys_days{2025y / 3 / 29} + 11h,
         sys_days{2025y / 3 / 29} + 23h + 1s},
        {"the 23-hour day", sys_days{2025y / 3 / 30} + 10h, sys_days{2025y / 3 / 30} + 22h + 1s},
        {"the 25-hour day", sys_days{2025y / 10 / 25} + 23h + 30min,
         sys_days{2025y / 10 / 26} + 23h + 1s},
        {"a summer midnight's last second", sys_days{2025y / 7 / 1} + 21h + 59min + 59s,
         sys_days{2025y / 7 / 1} + 22h + 1s},
    };
    for (const auto& c : cases) EXPECT_EQ(NewDayAt(c.now), c.new_day) << c.name;
    if (was != nullptr) {
        setenv("TZ", kept.c_str(), 1);
    } else {
        unsetenv("TZ");
    }
    tzset();
}

}  // namespace
}  // namespace drawchk
