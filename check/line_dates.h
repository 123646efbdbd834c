#pragma once

#include <chrono>
#include <cstddef>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "draw_calendar.h"
#include "rest_days.h"

namespace drawchk {

// What a draw file's own dates say of the count's, where they can be trusted.
struct LineDatesFinding {
    enum Kind {
        kNone,
        // The lines are later than the count from `row` on: days without a draw the
        // program does not know, `unknown_days`.
        kUnknownDays,
        // The lines are earlier from `row` on: the listed day or draw of `wrongly_listed`
        // was no day without a draw.
        kWronglyListed,
    };

    Kind kind = kNone;
    int row = 0;
    std::vector<std::chrono::year_month_day> unknown_days;
    ListedEntry wrongly_listed;
    // The newest row's date as the file's own dates give it; none where they are not
    // trusted.
    std::optional<std::chrono::year_month_day> newest_date;
};

// The date a record carries after its draw number, as in "10231 2025-12-26 3 6 9" or
// "10231;2025.12.26.;3;6": the first token after the digits it begins with, read whole as a
// date (see ReadWrittenDate), with or without a time after it; none for any other record.
std::optional<std::chrono::year_month_day> OwnDate(std::string_view item);

// Follows a walk's rows and the dates the lines carry. The file's dates are trusted where most
// rows carry one and the first kAgreeing dated rows agree with the count; a row out of place
// is passed over, as its date cannot be right. Where the count and the lines part, every later
// dated row must differ by the same days up to the next parting, or the dates are not trusted.
class LineDates {
  public:
    static constexpr int kAgreeing = 100;

    // `rest_days` must outlive this.
    explicit LineDates(const RestDays& rest_days) : rest_days_(rest_days) {}

    // The row the walk dated last, on day `count_day` (days since 1970-01-01), with the days
    // without a draw passed on the way to it.
    void Add(int row, std::string_view item, int count_day, bool in_place,
             std::span<const PassedRestDay> passed);
    LineDatesFinding Finish() const;

  private:
    // Where the count and the lines first part.
    struct Parting {
        int row = 0;
        int offset_before = 0;
        int offset_after = 0;
        int previous_own_day = 0;
        int own_day = 0;
        // Between the two dated rows: the days passed without a draw, and the days the count
        // gives the undated rows.
        std::vector<PassedRestDay> passed;
        std::vector<int> undated_days;
    };

    void AddDated(int row, int own_day, int count_day);
    LineDatesFinding Named(const Parting& at) const;
    static std::vector<std::chrono::year_month_day> UnknownDays(const Parting& at);

    const RestDays& rest_days_;
    int rows_ = 0;
    int dated_ = 0;
    bool first_disagree_ = false;
    bool consistent_ = true;
    int offset_ = 0;
    int run_ = 0;
    int partings_ = 0;
    int last_count_day_ = 0;
    std::optional<int> previous_own_day_;
    bool newest_dated_ = false;
    std::vector<PassedRestDay> passed_;
    std::vector<int> undated_days_;
    std::optional<Parting> first_parting_;
};

}  // namespace drawchk
