#include "today.h"

#include <cstdlib>

#include "messages.h"
#include "written_date.h"

namespace drawchk {

std::optional<std::chrono::year_month_day> Today() {
    const char* given = std::getenv("DRAWCHK_TODAY");
    if (given == nullptr) return LocalDate();
    const std::optional<std::chrono::year_month_day> date = ParseIsoDate(given);
    static bool said = false;
    if (!date && !said) {
        said = true;
        SayOnStderr(BadTodayLine(given));
    }
    return date;
}

}  // namespace drawchk
