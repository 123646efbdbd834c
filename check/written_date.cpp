#include "written_date.h"

#include <string>

#include "date_cursor.h"

namespace drawchk {
namespace {

using date_cursor::Cursor;
using std::chrono::year_month_day;

std::optional<year_month_day> DateOf(std::optional<unsigned> year, std::optional<unsigned> month,
                                     std::optional<unsigned> day) {
    if (!year || !month || !day) return std::nullopt;
    const year_month_day date{std::chrono::year{static_cast<int>(*year)},
                              std::chrono::month{*month}, std::chrono::day{*day}};
    if (!date.ok()) return std::nullopt;
    return date;
}

// The month and day after "YYYY.": "12. 25.", "12.25", "december 25.", "dec. 25.".
std::optional<year_month_day> DottedRest(Cursor& at, unsigned year) {
    at.SkipBlanks();
    std::optional<unsigned> month = at.Number(1, 2);
    if (month) {
        if (!at.Take('.')) return std::nullopt;
    } else {
        month = at.MonthName();
        if (!month) return std::nullopt;
        at.Take('.');
    }
    at.SkipBlanks();
    const std::optional<unsigned> day = at.Number(1, 2);
    at.Take('.');
    return DateOf(year, month, day);
}

}  // namespace

std::optional<WrittenDate> ReadWrittenDate(std::string_view text) {
    Cursor at(text);
    at.SkipBlanks();
    const std::optional<unsigned> year = at.Number(4, 4);
    if (!year) return std::nullopt;
    if (at.Take('-')) {
        std::size_t month_width = 0;
        std::size_t day_width = 0;
        const std::optional<unsigned> month = at.Number(1, 2, &month_width);
        if (!month || !at.Take('-')) return std::nullopt;
        const std::optional<unsigned> day = at.Number(1, 2, &day_width);
        const std::optional<year_month_day> date = DateOf(year, month, day);
        if (!date) return std::nullopt;
        return WrittenDate{*date, at.position(), month_width == 2 && day_width == 2};
    }
    if (!at.Take('.')) return std::nullopt;
    const std::optional<year_month_day> date = DottedRest(at, *year);
    if (!date) return std::nullopt;
    return WrittenDate{*date, at.position(), false};
}

std::optional<year_month_day> ParseIsoDate(std::string_view text) {
    const std::optional<WrittenDate> written = ReadWrittenDate(text);
    if (!written || !written->iso || written->length != text.size() || text.front() == ' ' ||
        text.front() == '\t') {
        return std::nullopt;
    }
    return written->date;
}

std::optional<year_month_day> ReadDayFirstDate(std::string_view text) {
    Cursor at(text);
    at.SkipBlanks();
    const std::optional<unsigned> day = at.Number(1, 2);
    for (const char separator : {'.', '-', '/'}) {
        Cursor rest = at;
        if (!day || !rest.Take(separator)) continue;
        rest.SkipBlanks();
        const std::optional<unsigned> month = rest.Number(1, 2);
        if (!month || !rest.Take(separator)) continue;
        rest.SkipBlanks();
        return DateOf(rest.Number(4, 4), month, day);
    }
    return std::nullopt;
}

}  // namespace drawchk
