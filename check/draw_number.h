#pragma once

#include <chrono>
#include <cstdint>
#include <string_view>

namespace drawchk {

// Whether `c` is an ASCII digit, whatever the locale. A lambda, not a function, so that the
// algorithms it is handed to inline it.
inline constexpr auto IsDigit = [](char c) { return c >= '0' && c <= '9'; };

// Draws 1 to this are the older history that the check reads past before it dates anything.
inline constexpr int kHistoryItems = 5000;
// The date of the history's last draw; the first dated draw is the day after.
inline constexpr std::chrono::year_month_day kLastHistoryDate{
    std::chrono::year{2011}, std::chrono::August, std::chrono::day{24}};

// The part of an item that names its draw: its first four characters (fewer if it is
// shorter), or, when the item begins with a run of more than four digits, that whole run.
std::string_view DrawNumberText(std::string_view item);

// The value of the digits a number text starts with, blanks anywhere ignored; 0 when it
// starts with no digit. Values past any draw number saturate, so no run can overflow.
std::int64_t DrawNumberValue(std::string_view number_text);

}  // namespace drawchk
