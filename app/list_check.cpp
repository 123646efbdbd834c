#include "list_check.h"

namespace drawchk {
namespace {

using std::chrono::sys_days;
using std::chrono::year_month_day;

// The day to show as an example of one without a draw: the earliest 25 December after the
// last such day the walk knew of, and no later than the newest row; none where there is none.
std::optional<year_month_day> ChristmasExample(std::optional<year_month_day> last_rest_day,
                                               year_month_day newest) {
    const year_month_day after = last_rest_day.value_or(DrawCalendar::kFirstPreviousDate);
    year_month_day christmas = after.year() / std::chrono::December / 25;
    if (sys_days{christmas} <= sys_days{after}) {
        christmas = (after.year() + std::chrono::years{1}) / std::chrono::December / 25;
    }
    if (sys_days{christmas} > sys_days{newest}) return std::nullopt;
    return christmas;
}

// Why a check left the list empty.
ListHint EmptyListHint(const CheckOutcome& outcome) {
    switch (outcome.draw_file) {
        case DrawFile::kMissing:
            if (outcome.misnamed_draw_files.empty()) return {ListHint::kNoDrawFile};
            return {ListHint::kMisnamedDrawFile,
                    MisnamedWords("keno.old", outcome.misnamed_draw_files)};
        case DrawFile::kDanglingLink:
            return {ListHint::kDanglingDrawFileLink,
                    DanglingDrawFileWords(outcome.draw_file_link_target)};
        case DrawFile::kUnreadable:
            return {ListHint::kUnreadableDrawFile};
        case DrawFile::kBusy:
            return {ListHint::kBusyDrawFile};
        case DrawFile::kChanging:
            return {ListHint::kChangingDrawFile};
        case DrawFile::kRead:
            break;
    }
    return {ListHint::kNoDrawAfterHistory};
}

}  // namespace

std::optional<ListHint> JudgeNewestRow(const CheckOutcome& outcome, const RowList& rows,
                                       const TodaySource& today) {
    if (outcome.draw_file != DrawFile::kRead || rows.FirstBreak() || !rows.NewestDate()) {
        return std::nullopt;
    }
    const std::optional<year_month_day> on = today();
    if (!on) return std::nullopt;
    const year_month_day newest = outcome.walk.line_dates.newest_date.value_or(*rows.NewestDate());
    const auto age = static_cast<int>((sys_days{*on} - sys_days{newest}).count());
    // Yesterday's draw may not be added yet, and today's may not be held yet.
    if (age >= 0 && age < 2) return std::nullopt;
    ListHint hint(age < 0 ? ListHint::kNewestDrawAfterToday : ListHint::kNewestDrawOld);
    hint.days_old = age;
    if (age > 0) hint.example_rest_day = ChristmasExample(outcome.walk.last_rest_day, newest);
    return hint;
}

std::vector<ListHint> RestDayListHints(const CheckOutcome& outcome) {
    std::vector<ListHint> hints;
    for (const RestDayListReport& list : outcome.rest_day_lists) {
        hints.emplace_back(ListHint::kRestDayList, RestDayListWords(list));
    }
    if (!outcome.misnamed_rest_day_lists.empty()) {
        hints.emplace_back(ListHint::kRestDayList,
                           MisnamedWords("szunnapok.txt", outcome.misnamed_rest_day_lists));
    }
    return hints;
}

std::vector<ListHint> LineDatesHints(const CheckOutcome& outcome) {
    std::vector<ListHint> hints;
    for (std::string& sentence : LineDatesSentences(outcome.walk.line_dates)) {
        hints.emplace_back(ListHint::kLineDates, std::move(sentence));
    }
    return hints;
}

std::optional<ListHint> ReadingHint(const CheckOutcome& outcome, const RowList& rows) {
    if (rows.Count() == 0) return EmptyListHint(outcome);
    if (outcome.draw_file == DrawFile::kUnreadable) return ListHint(ListHint::kReadPartly);
    return std::nullopt;
}

std::optional<ListHint> BreakHint(const RowList& rows) {
    const std::optional<FileBreak>& at = rows.FirstBreak();
    if (!at) return std::nullopt;
    return ListHint(ListHint::kFileBreak, BreakWords(*at, at->row == rows.Count() - 1));
}

ListHint HintForList(const CheckOutcome& outcome, const RowList& rows, const TodaySource& today) {
    if (std::optional<ListHint> reading = ReadingHint(outcome, rows)) return std::move(*reading);
    // A fault of a list likely explains an old newest row, so it is said first.
    std::vector<ListHint> lists = RestDayListHints(outcome);
    if (!lists.empty()) return std::move(lists.front());
    if (std::optional<ListHint> at = BreakHint(rows)) return std::move(*at);
    std::vector<ListHint> dates = LineDatesHints(outcome);
    if (!dates.empty()) return std::move(dates.front());
    return JudgeNewestRow(outcome, rows, today).value_or(ListHint());
}

}  // namespace drawchk
