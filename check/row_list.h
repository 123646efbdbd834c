#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "file_break.h"

namespace drawchk {

// The rows of one check in the order they were appended, and the row a view shows first.
// All texts share one buffer, so a full list costs two allocations, not one per row.
class RowList {
  public:
    // The count is a signed 16-bit number, as a list box's is.
    static constexpr int kMaxRows = 32767;

    void Clear();
    // Returns false, and changes nothing, when the list is full. `out_of_place`: the row's
    // draw is not the one its place in the list stands for, so its date cannot be right.
    bool Append(std::string_view text, bool out_of_place = false);
    int Count() const { return static_cast<int>(ends_.size()); }
    // The text of row `row`, counting from 0; empty for a row outside the list.
    std::string_view Text(int row) const;
    // Whether row `row` was appended out of place; false for a row outside the list.
    bool OutOfPlace(int row) const;
    // Where the rows first go out of place, if they do; later breaks leave it as it is.
    const std::optional<FileBreak>& FirstBreak() const { return first_break_; }
    void NoteBreak(FileBreak at);
    // The draw of the row after the first break, once there is one.
    void NoteAfterBreak(std::int64_t draw);
    // The date of the newest row, which a check notes when it is done; none for an empty list.
    const std::optional<std::chrono::year_month_day>& NewestDate() const { return newest_date_; }
    void NoteNewestDate(std::chrono::year_month_day date) { newest_date_ = date; }

    int FirstVisible() const { return first_visible_; }
    // A negative row leaves the first visible row as it is.
    void SetFirstVisible(int row);

  private:
    // A draw number, its date and label: "10113   2025-08-29  Sze".
    static constexpr std::size_t kUsualRowBytes = 24;

    std::string text_;
    std::vector<std::size_t> ends_;
    std::vector<unsigned char> out_of_place_;  // bytes, which append faster than bits
    std::optional<FileBreak> first_break_;
    std::optional<std::chrono::year_month_day> newest_date_;
    int first_visible_ = 0;
};

}  // namespace drawchk
