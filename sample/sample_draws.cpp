#include "sample_draws.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <random>
#include <string_view>

#include "draw_calendar.h"
#include "draw_number.h"
#include "rest_days.h"

namespace drawchk {
namespace {

// Moves `calendar` on past the draws after the history that come before `first`.
void SkipTo(int first, DrawCalendar& calendar, std::string& row) {
    for (int draw = kHistoryItems + 1; draw < first; ++draw) {
        calendar.NextRow(std::to_string(draw), kHungarianDayLabels, row);
    }
}

}  // namespace

std::string SampleDraws(int first, int last) {
    // A fixed seed and a generator whose output the standard defines keep the file stable.
    std::mt19937 random(20110825);
    std::array<int, 80> pool{};
    std::string text;
    text.reserve(static_cast<std::size_t>(std::max(0, last - first + 1)) * 70);
    for (int draw = first; draw <= last; ++draw) {
        std::iota(pool.begin(), pool.end(), 1);
        // A partial Fisher-Yates shuffle by hand: std::shuffle differs between libraries.
        for (int i = 0; i < 20; ++i) {
            const auto pick = i + static_cast<int>(random() % static_cast<unsigned>(80 - i));
            std::swap(pool[i], pool[pick]);
        }
        std::sort(pool.begin(), pool.begin() + 20);
        text += std::to_string(draw);
        for (int i = 0; i < 20; ++i) text += ' ' + std::to_string(pool[i]);
        text += "\r\n";
    }
    return text;
}

std::string DatedSampleDraws(int first, int last,
                             std::optional<std::chrono::year_month_day> no_draw) {
    const std::string plain = SampleDraws(first, last);
    const RestDays known;
    DrawCalendar calendar(known);
    std::string text;
    text.reserve(plain.size() + plain.size() / 5);
    std::string row;
    SkipTo(first, calendar, row);
    std::string_view rest = plain;
    for (int draw = first; draw <= last; ++draw) {
        const std::size_t number = rest.find(' ');
        const std::size_t line_end = rest.find('\n') + 1;
        text.append(rest.substr(0, number));
        if (draw > kHistoryItems) {
            calendar.NextRow(std::to_string(draw), kHungarianDayLabels, row);
            auto day = std::chrono::sys_days{calendar.PreviousDate()};
            if (no_draw && day >= std::chrono::sys_days{*no_draw}) day += std::chrono::days{1};
            text.push_back(' ');
            text.append(DateText(day));
        }
        text.append(rest.substr(number, line_end - number));
        rest.remove_prefix(line_end);
    }
    return text;
}

}  // namespace drawchk
