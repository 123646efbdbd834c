#include <windows.h>

#include "today.h"

namespace drawchk {

std::chrono::year_month_day LocalDate() {
    SYSTEMTIME local{};
    GetLocalTime(&local);
    return {std::chrono::year{local.wYear}, std::chrono::month{local.wMonth},
            std::chrono::day{local.wDay}};
}

}  // namespace drawchk
