#include <ctime>

#include "today.h"

namespace drawchk {

std::chrono::year_month_day LocalDate() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (localtime_r(&now, &local) == nullptr) {
        return std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now());
    }
    return {std::chrono::year{local.tm_year + 1900},
            std::chrono::month{static_cast<unsigned>(local.tm_mon + 1)},
            std::chrono::day{static_cast<unsigned>(local.tm_mday)}};
}

}  // namespace drawchk
