#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

namespace drawchk {

// Where a draw file breaks: the first row whose draw is not the one its place stands for, the
// draw it holds (0 for an item that is no draw), the draw that belongs there, and the row's
// item as the file holds it, as much of it as a row keeps. The draws of the rows around it
// tell what went wrong: the draw before it (-1 for the first row, as the history's last is
// not read), and the draw after it, none where it is the newest row.
struct FileBreak {
    // What went wrong at the break, as a user mends it.
    enum class Kind {
        // The row holds the draw of the row before it: delete one of the two.
        kDoubled,
        // Draws are missing before the row: add them.
        kMissing,
        // The row and the next one swapped places: swap them back.
        kSwapped,
        // The row holds an earlier draw.
        kOutOfOrder,
        // The row holds no draw number, or one far from any near its place.
        kNotADraw,
    };

    FileBreak(int row, std::int64_t draw, std::int64_t expected_draw, std::string text,
              std::int64_t previous_draw = -1)
        : row(row),
          draw(draw),
          expected_draw(expected_draw),
          text(std::move(text)),
          previous_draw(previous_draw) {}

    int row = 0;
    std::int64_t draw = 0;
    std::int64_t expected_draw = 0;
    std::string text;
    std::int64_t previous_draw = -1;
    std::optional<std::int64_t> next_draw;

    // At most this many draws are told as missing or out of order: a larger jump is likelier
    // a mistyped number than a year of draws left out.
    static constexpr std::int64_t kMostMissing = 366;

    Kind What() const;
    // With kMissing: how many draws are missing before the row.
    std::int64_t Missing() const { return draw - expected_draw; }

    friend bool operator==(const FileBreak&, const FileBreak&) = default;
};

}  // namespace drawchk
