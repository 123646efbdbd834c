#include "draw_calendar.h"

#include <algorithm>

#include "draw_number.h"
#include "rest_days.h"

namespace drawchk {
namespace {

using std::chrono::year_month_day;

// Writes `value` as `width` digits, the leading ones zero.
char* PutDigits(char* out, unsigned value, int width) {
    for (int i = width - 1; i >= 0; --i) {
        out[i] = static_cast<char>('0' + value % 10);
        value /= 10;
    }
    return out + width;
}

// YYYY-MM-DD into ten bytes; every date a walk can reach has a four-digit year.
void PutDate(char* out, year_month_day date) {
    out = PutDigits(out, static_cast<unsigned>(static_cast<int>(date.year())), 4);
    *out++ = '-';
    out = PutDigits(out, static_cast<unsigned>(date.month()), 2);
    *out++ = '-';
    PutDigits(out, static_cast<unsigned>(date.day()), 2);
}

}  // namespace

std::string DateText(year_month_day date) {
    std::string text(10, ' ');
    PutDate(text.data(), date);
    return text;
}

DrawCalendar::DrawCalendar(const RestDays& rest_days) : rest_days_(rest_days) {
    const std::chrono::sys_days start{kFirstPreviousDate};
    StartMonth(kFirstPreviousDate);
    weekday_index_ = std::chrono::weekday{start}.iso_encoding() - 1;
    day_number_ = static_cast<int>(start.time_since_epoch().count());
}

std::optional<year_month_day> DrawCalendar::LastRestDay() const {
    if (last_rest_day_ < 0) return std::nullopt;
    return year_month_day{std::chrono::sys_days{std::chrono::days{last_rest_day_}}};
}

void DrawCalendar::PassRestDay(std::int64_t draw) {
    last_rest_day_ = day_number_;
    passed_.push_back({day_number_, draw});
    NextDay();
}

void DrawCalendar::PassListedDays() {
    const std::vector<int>& listed = rest_days_.ListedDays();
    // The walk only goes forward, so the listed days are met in their order.
    while (next_listed_ < listed.size() && listed[next_listed_] <= day_number_) {
        if (listed[next_listed_] == day_number_) PassRestDay(0);
        ++next_listed_;
    }
}

void DrawCalendar::StartMonth(year_month_day date) {
    previous_date_ = date;
    last_day_ =
        std::chrono::year_month_day_last{date.year(), date.month() / std::chrono::last}.day();
    PutDate(date_text_.data(), date);
}

void DrawCalendar::NextDay() {
    using namespace std::chrono;
    weekday_index_ = (weekday_index_ + 1) % 7;
    ++day_number_;
    if (previous_date_.day() < last_day_) {
        previous_date_ = {previous_date_.year(), previous_date_.month(),
                          previous_date_.day() + days{1}};
        // Within a month only the day's two digits change.
        PutDigits(date_text_.data() + 8, static_cast<unsigned>(previous_date_.day()), 2);
        return;
    }
    StartMonth((previous_date_.year() / previous_date_.month() + months{1}) / day{1});
}

std::int64_t DrawCalendar::NextRow(std::string_view item, const WeekdayLabels& labels,
                                   std::string& row) {
    const std::string_view number_text = DrawNumberText(item);
    const std::int64_t draw = DrawNumberValue(number_text);
    passed_.clear();
    NextDay();
    if (rest_days_.Contains(draw)) PassRestDay(draw);
    PassListedDays();

    const std::string& label = labels[weekday_index_];
    row.resize(number_text.size() + 3 + date_text_.size() + 2 + label.size());
    char* out = std::replace_copy_if(
        number_text.begin(), number_text.end(), row.data(),
        [](char c) { return c == '\r' || c == '\n'; }, ' ');
    out = std::fill_n(out, 3, ' ');
    out = std::copy(date_text_.begin(), date_text_.end(), out);
    out = std::fill_n(out, 2, ' ');
    std::copy(label.begin(), label.end(), out);
    return draw;
}

}  // namespace drawchk
