#include "sample_draws.h"

#include <algorithm>
#include <array>
#include <map>
#include <mutex>
#include <numeric>
#include <random>
#include <string_view>
#include <tuple>
#include <vector>

#include "draw_calendar.h"
#include "draw_number.h"
#include "rest_days.h"

namespace drawchk {
namespace {

// Files of more draws than this, which only the benchmarks ask for, are not kept.
constexpr int kKeptDraws = 100'000;
// The key of a dated file that leaves no day out.
constexpr int kEveryDay = -1;

// Moves `calendar` on past the draws after the history that come before `first`.
void SkipTo(int first, DrawCalendar& calendar, std::string& row) {
    for (int draw = kHistoryItems + 1; draw < first; ++draw) {
        calendar.NextRow(std::to_string(draw), kHungarianDayLabels, row);
    }
}

// The sample draws from draw 1 on, each line's numbers the next twenty that `random` gives, so
// that draw k's line depends only on draws 1 to k and a longer file goes on a shorter one.
class SampleLines {
  public:
    // Draws `first` to `last`, made as far as they are not yet.
    std::string Lines(int first, int last) {
        if (last < first) return {};
        const std::lock_guard<std::mutex> lock(guard_);
        while (static_cast<int>(ends_.size()) - 1 < last) AddDraw();
        const std::size_t begin = ends_[static_cast<std::size_t>(first - 1)];
        return text_.substr(begin, ends_[static_cast<std::size_t>(last)] - begin);
    }

  private:
    void AddDraw() {
        std::iota(pool_.begin(), pool_.end(), 1);
        // A partial Fisher-Yates shuffle by hand: std::shuffle differs between libraries.
        for (int i = 0; i < 20; ++i) {
            const auto pick = i + static_cast<int>(random_() % static_cast<unsigned>(80 - i));
            std::swap(pool_[i], pool_[pick]);
        }
        std::sort(pool_.begin(), pool_.begin() + 20);
        text_ += std::to_string(ends_.size());
        for (int i = 0; i < 20; ++i) text_ += ' ' + std::to_string(pool_[i]);
        text_ += "\r\n";
        ends_.push_back(text_.size());
    }

    std::mutex guard_;
    // A fixed seed and a generator whose output the standard defines keep the file stable.
    std::mt19937 random_{20110825};
    std::array<int, 80> pool_{};
    std::string text_;
    std::vector<std::size_t> ends_{0};  // where each draw's line ends; draw 0 ends at 0
};

std::string MakeDatedSampleDraws(int first, int last,
                                 std::optional<std::chrono::year_month_day> no_draw) {
    const std::string plain = SampleDraws(first, last);
    const RestDays known;
    DrawCalendar calendar(known);
    std::string text;
    text.reserve(plain.size() + plain.size() / 5);
    std::string row;
    SkipTo(first, calendar, row);
    std::string_view rest = plain;
    for (int draw = first; draw <= last; ++draw) {
        const std::size_t number = rest.find(' ');
        const std::size_t line_end = rest.find('\n') + 1;
        text.append(rest.substr(0, number));
        if (draw > kHistoryItems) {
            calendar.NextRow(std::to_string(draw), kHungarianDayLabels, row);
            auto day = std::chrono::sys_days{calendar.PreviousDate()};
            if (no_draw && day >= std::chrono::sys_days{*no_draw}) day += std::chrono::days{1};
            text.push_back(' ');
            text.append(DateText(day));
        }
        text.append(rest.substr(number, line_end - number));
        rest.remove_prefix(line_end);
    }
    return text;
}

}  // namespace

std::string SampleDraws(int first, int last) {
    // The tests ask for the same few files many times, in every test process: each draw's
    // line is made once.
    static SampleLines kept;
    if (first < 1) first = 1;
    if (last <= kKeptDraws) return kept.Lines(first, last);
    SampleLines once;
    return once.Lines(first, last);
}

std::string DatedSampleDraws(int first, int last,
                             std::optional<std::chrono::year_month_day> no_draw) {
    static std::mutex guard;
    static std::map<std::tuple<int, int, int>, std::string> made;
    const int day =
        no_draw ? static_cast<int>(std::chrono::sys_days{*no_draw}.time_since_epoch().count())
                : kEveryDay;
    const std::lock_guard<std::mutex> lock(guard);
    auto [place, added] = made.try_emplace({first, last, day});
    if (added) place->second = MakeDatedSampleDraws(first, last, no_draw);
    return place->second;
}

}  // namespace drawchk
