#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "draw_calendar.h"
#include "rest_days.h"

namespace drawchk {

// A line whose own date disagrees with the dates of the lines around it, which nothing after it
// confirms: its draw, its own date, and the date the other lines give it.
struct DoubtedLine {
    std::int64_t draw = 0;
    std::chrono::year_month_day own_date;
    std::chrono::year_month_day expected_date;
};

// What a draw file's own dates say of the count's, where they can be trusted.
struct LineDatesFinding {
    // Days without a draw the program does not know, in order: the lines part from the count
    // there, and every later line confirms it.
    std::vector<std::chrono::year_month_day> unknown_days;
    // Listed days or draws that were no day without a draw by the lines.
    std::vector<ListedEntry> wrongly_listed;
    // The first line whose own date nothing confirms, and how many more there are.
    std::optional<DoubtedLine> doubted;
    int more_doubted = 0;
    // The newest row's date as the count and the confirmed partings give it; none where the
    // lines' dates are not trusted.
    std::optional<std::chrono::year_month_day> newest_date;

    bool SaysSomething() const {
        return !unknown_days.empty() || !wrongly_listed.empty() || doubted.has_value();
    }
};

// The date a record carries after its draw number, as in "10231 2025-12-26 3 6 9" or
// "10231;2025.12.26.;3;6": the first token after the digits it begins with, read whole as a
// date (see ReadWrittenDate), with or without a time after it; none for any other record.
std::optional<std::chrono::year_month_day> OwnDate(std::string_view item);

// Follows a walk's rows and the dates the lines carry. The file's dates are trusted where most
// rows carry one and the first kAgreeing dated rows agree with the count; a row out of place
// is passed over, as its date cannot be right. A parting of the lines from the count is taken
// as a day without a draw, or a listed day that was none, only where the next kLasting dated
// lines hold it and a day without a draw can explain it; any other disagreeing line is a
// doubt, said as such, and never moves the newest row's date.
class LineDates {
  public:
    static constexpr int kAgreeing = 100;
    static constexpr int kLasting = 5;
    // Days without a draw in a row that one parting may name: Christmas and the day after.
    static constexpr int kMostDaysApart = 2;
    // Lines whose dates are doubted, past the first, after which the dates are not trusted.
    static constexpr int kDoubtsAtMost = 20;

    // `rest_days` must outlive this.
    explicit LineDates(const RestDays& rest_days) : rest_days_(rest_days) {}

    // The row the walk dated last, draw `draw` on day `count_day` (days since 1970-01-01),
    // with the days without a draw passed on the way to it.
    void Add(std::string_view item, std::int64_t draw, int count_day, bool in_place,
             std::span<const PassedRestDay> passed);
    LineDatesFinding Finish() const;

  private:
    struct Dated {
        std::int64_t draw = 0;
        int own_day = 0;
        int count_day = 0;
    };
    // Where the lines part from the count, until it lasts or is taken back.
    struct Parting {
        Dated first;
        int offset = 0;
        int run = 0;
        // Since the last line that agreed: its own day, the days passed without a draw, and
        // the days on which a line falls that is not judged.
        std::optional<int> agreed_own_day;
        std::vector<PassedRestDay> passed;
        std::vector<int> lined_days;
    };

    void AddDated(const Dated& line, bool listed_day_passed);
    void Agree(int own_day);
    // The parting has lasted: named, or, where no day without a draw explains it, the end of
    // trust in the lines' dates.
    void Confirm(int own_day);
    bool NameUnknownDays(const Parting& at);
    bool NameWronglyListed(const Parting& at);
    static void Doubt(const Dated& line, int offset, LineDatesFinding& finding);

    const RestDays& rest_days_;
    int rows_ = 0;
    int dated_ = 0;
    bool first_disagree_ = false;
    // A lasting parting that nothing explains: the lines' dates are not trusted from there.
    bool broken_ = false;
    int offset_ = 0;
    int last_count_day_ = 0;
    std::optional<int> agreed_own_day_;
    std::optional<Dated> previous_dated_;
    std::vector<PassedRestDay> passed_;
    std::vector<int> lined_days_;
    std::optional<Parting> pending_;
    LineDatesFinding finding_;
};

}  // namespace drawchk
