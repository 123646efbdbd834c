#pragma once

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "draw_number.h"

namespace drawchk {

class RestDays;

// Weekday labels, Monday first.
using WeekdayLabels = std::array<std::string, 7>;

// The labels the program shows: hétfő, kedd, szerda, csütörtök, péntek, szombat, vasárnap.
inline const WeekdayLabels kHungarianDayLabels = {"H", "K", "Sze", "Cs", "P", "Szo", "V"};

// A date as the rows show it: YYYY-MM-DD, whatever the locale.
std::string DateText(std::chrono::year_month_day date);

// A day without a draw that a walk passed, as days since 1970-01-01, and why: the next record
// is a rest-day draw (`draw`), or the day is listed (`draw` 0).
struct PassedRestDay {
    int day = 0;
    std::int64_t draw = 0;
};

// Dates the draws after the history: one day per record, one more before a rest-day draw, and
// none on a listed day without a draw.
class DrawCalendar {
  public:
    // The date of the last draw of the skipped history.
    static constexpr std::chrono::year_month_day kFirstPreviousDate = kLastHistoryDate;

    // Starts a walk at the last draw of the history. `rest_days` must outlive the calendar.
    explicit DrawCalendar(const RestDays& rest_days);

    // Dates the next record and writes its row into `row`: number text, three blanks, date
    // text, two blanks, weekday label. A line end inside the number text (a quoted item may
    // hold one) is shown as a blank, so a row is always one line. `row` is reused so that a
    // long walk allocates nothing. Returns the record's draw number.
    std::int64_t NextRow(std::string_view item, const WeekdayLabels& labels, std::string& row);
    // The date of the record dated last.
    std::chrono::year_month_day PreviousDate() const { return previous_date_; }
    // The same as days since 1970-01-01.
    int PreviousDay() const { return day_number_; }
    // The last day without a draw the walk has passed; none before the first.
    std::optional<std::chrono::year_month_day> LastRestDay() const;
    // The days without a draw passed on the way to the record dated last.
    std::span<const PassedRestDay> PassedRestDays() const { return passed_; }

  private:
    // The walk moves a day at a time, so it keeps the calendar fields and the weekday
    // instead of converting a day count for every row.
    void NextDay();
    // Moves the walk to `date`, the first of a month or the start.
    void StartMonth(std::chrono::year_month_day date);
    // Passes the day the walk stands on: no draw was held on it, before rest-day draw `draw`
    // or, 0, on a listed day.
    void PassRestDay(std::int64_t draw);
    // Passes every listed day without a draw that the walk stands on.
    void PassListedDays();

    const RestDays& rest_days_;
    std::chrono::year_month_day previous_date_;
    int day_number_ = 0;                // previous_date_ as days since 1970-01-01
    int last_rest_day_ = -1;            // the same for the last day passed; -1 for none
    std::size_t next_listed_ = 0;       // the first listed day the walk has not reached
    std::chrono::day last_day_;         // of previous_date_'s month
    unsigned weekday_index_ = 0;        // Monday is 0
    std::array<char, 10> date_text_{};  // previous_date_ as YYYY-MM-DD, whatever the locale
    std::vector<PassedRestDay> passed_;
};

}  // namespace drawchk
