#include "line_dates.h"

#include <algorithm>
#include <utility>

#include "draw_number.h"
#include "written_date.h"

namespace drawchk {
namespace {

using std::chrono::sys_days;

bool IsSeparator(char c) { return c == ' ' || c == '\t' || c == ';' || c == '"' || c == '|'; }

int DayNumber(std::chrono::year_month_day date) {
    return static_cast<int>(sys_days{date}.time_since_epoch().count());
}

std::chrono::year_month_day DateOf(int day) {
    return std::chrono::year_month_day{sys_days{std::chrono::days{day}}};
}

}  // namespace

std::optional<std::chrono::year_month_day> OwnDate(std::string_view item) {
    // Asked of every line, most of which hold numbers only: a plain loop, and no date read
    // where no year with its dash or dot begins.
    std::size_t at = 0;
    while (at < item.size() && IsDigit(item[at])) ++at;
    if (at == item.size() || !IsSeparator(item[at])) return std::nullopt;
    while (at < item.size() && IsSeparator(item[at])) ++at;
    const std::string_view rest = item.substr(at);
    if (rest.size() < 5 || !std::all_of(rest.begin(), rest.begin() + 4, IsDigit) ||
        (rest[4] != '-' && rest[4] != '.')) {
        return std::nullopt;
    }
    const std::optional<WrittenDate> written = ReadWrittenDate(rest);
    if (!written) return std::nullopt;
    // A time may follow, after a blank or as ISO 8601 writes it, with a T.
    const std::string_view after = rest.substr(written->length);
    if (!after.empty() && !IsSeparator(after.front()) && after.front() != 'T') return std::nullopt;
    return written->date;
}

void LineDates::Add(int row, std::string_view item, int count_day, bool in_place,
                    std::span<const PassedRestDay> passed) {
    ++rows_;
    last_count_day_ = count_day;
    newest_dated_ = false;
    // Only what lies before the first parting can name it.
    if (!first_parting_) passed_.insert(passed_.end(), passed.begin(), passed.end());
    if (!in_place) return;
    if (const std::optional<std::chrono::year_month_day> own = OwnDate(item)) {
        AddDated(row, DayNumber(*own), count_day);
    } else if (!first_parting_ && previous_own_day_) {
        // Only undated rows after a dated one can lie within a parting.
        undated_days_.push_back(count_day + offset_);
    }
}

void LineDates::AddDated(int row, int own_day, int count_day) {
    ++dated_;
    const int offset = own_day - count_day;
    if (dated_ <= kAgreeing && offset != 0) first_disagree_ = true;
    if (offset != offset_) {
        // A parting that lasts one dated row is a stray date, not a day the count missed.
        if (partings_ > 0 && run_ < 2) consistent_ = false;
        if (!first_parting_ && previous_own_day_) {
            first_parting_ =
                Parting{row, offset_, offset, *previous_own_day_, own_day, passed_, undated_days_};
        }
        ++partings_;
        offset_ = offset;
        run_ = 0;
    }
    ++run_;
    previous_own_day_ = own_day;
    passed_.clear();
    undated_days_.clear();
    newest_dated_ = true;
}

LineDatesFinding LineDates::Finish() const {
    // Most rows carry a date, and the first of them agree with the count.
    if (dated_ * 2 <= rows_ || first_disagree_ || !consistent_) return {};
    LineDatesFinding finding = first_parting_ ? Named(*first_parting_) : LineDatesFinding();
    // A parting the lines cannot explain is no ground to judge by them.
    if (first_parting_ && finding.kind == LineDatesFinding::kNone) return {};
    // An undated newest row is taken to keep the last dated row's parting.
    finding.newest_date = DateOf(last_count_day_ + offset_);
    return finding;
}

LineDatesFinding LineDates::Named(const Parting& at) const {
    LineDatesFinding finding;
    finding.row = at.row;
    if (at.offset_after > at.offset_before) {
        finding.unknown_days = UnknownDays(at);
        if (std::cmp_equal(finding.unknown_days.size(), at.offset_after - at.offset_before)) {
            finding.kind = LineDatesFinding::kUnknownDays;
        } else {
            finding.unknown_days.clear();
        }
        return finding;
    }
    for (const PassedRestDay& passed : at.passed) {
        const ListedEntry* entry = passed.draw != 0 ? rest_days_.EntryOfDraw(passed.draw)
                                                    : rest_days_.EntryOfDay(passed.day);
        if (entry != nullptr) {
            finding.kind = LineDatesFinding::kWronglyListed;
            finding.wrongly_listed = *entry;
            break;
        }
    }
    return finding;
}

std::vector<std::chrono::year_month_day> LineDates::UnknownDays(const Parting& at) {
    // The days between the two lines on which no line falls, nor a known day without one.
    const auto known = [&](int day) {
        return std::any_of(at.passed.begin(), at.passed.end(),
                           [day](const PassedRestDay& p) { return p.day == day; }) ||
               std::find(at.undated_days.begin(), at.undated_days.end(), day) !=
                   at.undated_days.end();
    };
    std::vector<std::chrono::year_month_day> days;
    for (int day = at.previous_own_day + 1; day < at.own_day; ++day) {
        if (!known(day)) days.push_back(DateOf(day));
    }
    return days;
}

}  // namespace drawchk
