#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string_view>
#include <vector>

namespace drawchk {

// The files in the program folder where a user lists rest days the program does not know yet:
// the name without accents, and the one a Hungarian would write. Both count.
inline const std::filesystem::path kRestDayFileNames[] = {"szunnapok.txt", u8"szünnapok.txt"};

// Draws held two days after the draw before them, with a day without a draw between: the ones
// the program knows, and any the user adds.
class RestDays {
  public:
    // No list can slow the check down: only this much of the user's file is read.
    static constexpr std::size_t kListedBytes = std::size_t{64} * 1024;

    // The rest days the program knows.
    RestDays();

    // Asked once for every row, so the usual answer takes one look.
    bool Contains(std::int64_t draw) const {
        if (draw >= 0 && draw < kNearDraws) return near_[static_cast<std::size_t>(draw)];
        return ContainsFar(draw);
    }

    // Adds the draw number each line begins with, after blanks; other lines are notes. The text
    // is UTF-8 or, after its byte-order mark, UTF-16 (as Notepad saves "Unicode").
    void AddListed(std::string_view text);
    // Adds the draws listed in the file at `path`, if it is a file that can be read; only its
    // first kListedBytes count, up to the last whole line in them.
    void AddListedIn(const std::filesystem::path& path);

  private:
    // Draw numbers below this many are looked up in a bitmap, far ones in a sorted list.
    static constexpr std::int64_t kNearDraws = std::int64_t{1} << 16;

    void Add(std::int64_t draw);
    bool ContainsFar(std::int64_t draw) const;

    std::vector<bool> near_;
    std::vector<std::int64_t> far_;  // sorted, each once
};

}  // namespace drawchk
