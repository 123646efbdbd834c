#include "today.h"

#include <cstdlib>

namespace drawchk {

std::optional<std::chrono::year_month_day> ParseDate(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
    int fields[3] = {};
    const std::size_t starts[3] = {0, 5, 8};
    const std::size_t widths[3] = {4, 2, 2};
    for (int i = 0; i < 3; ++i) {
        for (std::size_t at = starts[i]; at < starts[i] + widths[i]; ++at) {
            if (text[at] < '0' || text[at] > '9') return std::nullopt;
            fields[i] = fields[i] * 10 + (text[at] - '0');
        }
    }
    const std::chrono::year_month_day date{std::chrono::year{fields[0]},
                                           std::chrono::month{static_cast<unsigned>(fields[1])},
                                           std::chrono::day{static_cast<unsigned>(fields[2])}};
    if (!date.ok()) return std::nullopt;
    return date;
}

std::chrono::year_month_day Today() {
    if (const char* given = std::getenv("DRAWCHK_TODAY")) {
        if (const auto date = ParseDate(given)) return *date;
    }
    return LocalDate();
}

}  // namespace drawchk
