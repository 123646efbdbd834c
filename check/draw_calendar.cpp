#include "draw_calendar.h"

#include <algorithm>

#include "draw_number.h"

namespace drawchk {
namespace {

bool IsRestDayDraw(std::int64_t value) {
    return std::find(kRestDayDraws.begin(), kRestDayDraws.end(), value) != kRestDayDraws.end();
}

// Appends `value` with at least `width` digits.
void AppendNumber(std::string& out, int value, int width) {
    char digits[12];
    int count = 0;
    do {
        digits[count++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value > 0);
    while (count < width) digits[count++] = '0';
    while (count > 0) out.push_back(digits[--count]);
}

void AppendDate(std::string& out, std::chrono::year_month_day date) {
    // Every date a walk can reach lies in years 2011 to about 2200.
    AppendNumber(out, static_cast<int>(date.year()), 4);
    out.push_back('-');
    AppendNumber(out, static_cast<int>(static_cast<unsigned>(date.month())), 2);
    out.push_back('-');
    AppendNumber(out, static_cast<int>(static_cast<unsigned>(date.day())), 2);
}

}  // namespace

std::string DateText(std::chrono::year_month_day date) {
    std::string text;
    AppendDate(text, date);
    return text;
}

void DrawCalendar::NextRow(std::string_view item, const WeekdayLabels& labels, std::string& row) {
    using std::chrono::days;
    const std::string_view number_text = DrawNumberText(item);
    if (IsRestDayDraw(DrawNumberValue(number_text))) previous_date_ += days{1};
    previous_date_ += days{1};

    const std::chrono::weekday weekday{previous_date_};
    row.assign(number_text);
    row.append("   ");
    AppendDate(row, std::chrono::year_month_day{previous_date_});
    row.append("  ");
    row.append(labels[weekday.iso_encoding() - 1]);
}

}  // namespace drawchk
