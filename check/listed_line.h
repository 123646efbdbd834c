#pragma once

#include <chrono>
#include <cstdint>
#include <string_view>

namespace drawchk {

// What one line of a rest-day list says. A line that begins with a digit must be a draw
// number after the history or a day; any other line is a note.
struct ListedLine {
    enum Kind {
        kNote,
        kDraw,
        kDay,
        // Faults: a line that is neither form, a day written day first (`day`: the day it
        // means), and a day before the first dated draw (`day`).
        kNeitherForm,
        kDayFirst,
        kBeforeFirstDraw,
    };

    Kind kind = kNote;
    std::int64_t draw = 0;
    std::chrono::year_month_day day{};

    bool IsFault() const { return kind >= kNeitherForm; }
};

// `line`, UTF-8: a draw number ("10231", "10 231", "10231.") or a day (see ReadWrittenDate),
// each of which a blank and any note may follow.
ListedLine ReadListedLine(std::string_view line);

}  // namespace drawchk
