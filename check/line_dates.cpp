#include "line_dates.h"

#include <algorithm>
#include <utility>
#include <vector>

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

void LineDates::Add(std::string_view item, std::int64_t draw, int count_day, bool in_place,
                    std::span<const PassedRestDay> passed) {
    ++rows_;
    last_count_day_ = count_day;
    if (first_disagree_) return;
    passed_.insert(passed_.end(), passed.begin(), passed.end());
    if (!in_place) return;
    const std::optional<std::chrono::year_month_day> own = OwnDate(item);
    if (broken_) {
        dated_ += own ? 1 : 0;
        return;
    }
    if (!own) {
        // Only undated rows after a dated one can lie within a parting.
        if (agreed_own_day_) lined_days_.push_back(count_day + offset_);
        return;
    }
    const bool listed_day_passed = std::any_of(passed.begin(), passed.end(),
                                               [](const PassedRestDay& p) { return p.draw == 0; });
    AddDated({draw, DayNumber(*own), count_day}, listed_day_passed);
}

void LineDates::AddDated(const Dated& line, bool listed_day_passed) {
    ++dated_;
    const int offset = line.own_day - line.count_day;
    if (dated_ <= kAgreeing && offset != 0) {
        first_disagree_ = true;
        return;
    }
    const std::optional<Dated> previous = std::exchange(previous_dated_, line);
    if (listed_day_passed) {
        // While the count is a day off, it passes a listed day a row early or late: that row,
        // and a parting of one row just before it, tell nothing.
        if (pending_ && pending_->run == 1 && previous &&
            pending_->first.count_day == previous->count_day) {
            lined_days_.push_back(pending_->first.own_day);
            pending_.reset();
        }
        lined_days_.push_back(line.own_day);
        return;
    }
    if (offset == offset_) {
        // A parting that the lines after it take back was a mistyped date.
        if (pending_) Doubt(pending_->first, offset_, finding_);
        pending_.reset();
        Agree(line.own_day);
        return;
    }
    if (pending_ && offset == pending_->offset) {
        if (++pending_->run >= kLasting) Confirm(line.own_day);
        return;
    }
    if (pending_) Doubt(pending_->first, offset_, finding_);
    // Dates that disagree this often are no ground for anything more than the doubts said.
    if (finding_.more_doubted >= kDoubtsAtMost) {
        broken_ = true;
        return;
    }
    pending_ = Parting{line, offset, 1, agreed_own_day_, passed_, lined_days_};
}

void LineDates::Agree(int own_day) {
    agreed_own_day_ = own_day;
    passed_.clear();
    lined_days_.clear();
}

void LineDates::Confirm(int own_day) {
    const Parting at = *std::exchange(pending_, std::nullopt);
    const bool named = at.offset > offset_ ? NameUnknownDays(at) : NameWronglyListed(at);
    if (!named) {
        // No day without a draw moves the lines so: the dates are not trusted from there.
        Doubt(at.first, offset_, finding_);
        broken_ = true;
        return;
    }
    offset_ = at.offset;
    Agree(own_day);
}

bool LineDates::NameUnknownDays(const Parting& at) {
    const int moved = at.offset - offset_;
    if (moved > kMostDaysApart || !at.agreed_own_day) return false;
    // The days between the two lines on which no line falls, nor a day the count passed.
    const auto known = [&](int day) {
        return std::any_of(at.passed.begin(), at.passed.end(),
                           [day](const PassedRestDay& p) { return p.day == day; }) ||
               std::find(at.lined_days.begin(), at.lined_days.end(), day) != at.lined_days.end();
    };
    std::vector<std::chrono::year_month_day> days;
    for (int day = *at.agreed_own_day + 1; day < at.first.own_day; ++day) {
        if (!known(day)) days.push_back(DateOf(day));
    }
    if (std::cmp_not_equal(days.size(), moved)) return false;
    finding_.unknown_days.insert(finding_.unknown_days.end(), days.begin(), days.end());
    return true;
}

bool LineDates::NameWronglyListed(const Parting& at) {
    const int moved = offset_ - at.offset;
    if (moved > kMostDaysApart) return false;
    std::vector<ListedEntry> listed;
    for (const PassedRestDay& passed : at.passed) {
        const ListedEntry* entry = passed.draw != 0 ? rest_days_.EntryOfDraw(passed.draw)
                                                    : rest_days_.EntryOfDay(passed.day);
        if (entry != nullptr) listed.push_back(*entry);
    }
    if (listed.empty()) return false;
    if (std::cmp_greater(listed.size(), moved)) {
        // Of several listed on the way, the wrong ones are the days on which a line falls.
        std::erase_if(listed, [&](const ListedEntry& entry) {
            return !entry.day || std::find(at.lined_days.begin(), at.lined_days.end(),
                                           *entry.day) == at.lined_days.end();
        });
        // Where that does not tell them, none is named.
        if (listed.empty() || std::cmp_greater(listed.size(), moved)) return true;
    }
    finding_.wrongly_listed.insert(finding_.wrongly_listed.end(), listed.begin(), listed.end());
    return true;
}

void LineDates::Doubt(const Dated& line, int offset, LineDatesFinding& finding) {
    if (finding.doubted) {
        ++finding.more_doubted;
        return;
    }
    finding.doubted = {line.draw, DateOf(line.own_day), DateOf(line.count_day + offset)};
}

LineDatesFinding LineDates::Finish() const {
    // Most rows carry a date, and the first of them agree with the count.
    if (dated_ * 2 <= rows_ || first_disagree_) return {};
    LineDatesFinding finding = finding_;
    // A parting at the end, which no line after it confirms, is a doubt and no more.
    if (pending_) Doubt(pending_->first, offset_, finding);
    if (!broken_) finding.newest_date = DateOf(last_count_day_ + offset_);
    return finding;
}

}  // namespace drawchk
