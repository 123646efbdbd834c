#pragma once

#include <chrono>
#include <cstddef>
#include <optional>
#include <string_view>

// Dates as Hungarians write them by hand: in a rest-day list, on a draw file's lines, and in
// DRAWCHK_TODAY, which takes only the strict form.
namespace drawchk {

struct WrittenDate {
    std::chrono::year_month_day date;
    // The bytes it took, blanks before it included.
    std::size_t length = 0;
    // Written YYYY-MM-DD, with two digits for the month and the day.
    bool iso = false;
};

// The date at the start of UTF-8 `text`, after blanks: 2025-12-25, 2025.12.25., 2025.12.25,
// 2025. 12. 25., 2025. december 25. or 2025. dec. 25. (a month's name whole or cut to three
// letters or more, in any letter case, with or without its accents). Leading zeros are
// optional and blanks may follow a dot. What stands after it is the caller's to judge. None
// for any other text, or a day no calendar has.
std::optional<WrittenDate> ReadWrittenDate(std::string_view text);

// A date written YYYY-MM-DD and nothing else.
std::optional<std::chrono::year_month_day> ParseIsoDate(std::string_view text);

// The day a date written day first means (25.12.2025, 25. 12. 2025.), a form a reader might
// take the other way round; none for any other text.
std::optional<std::chrono::year_month_day> ReadDayFirstDate(std::string_view text);

}  // namespace drawchk
