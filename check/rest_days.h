#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string_view>
#include <vector>

namespace drawchk {

// The files in `folder` where a user lists rest days the program does not know yet, in name
// order: szunnapok.txt, and szünnapok.txt as a Hungarian writes it, in any letter case, the
// ü also as a u with a combining diaeresis, as a Mac writes it. All of them count.
std::vector<std::filesystem::path> RestDayFilesIn(const std::filesystem::path& folder);

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

    // Adds the draw number each line begins with, after blanks; other lines are notes. Its
    // digits may be grouped by threes with a blank or a no-break space, as Hungarians write
    // thousands ("10 231"). The text is UTF-8, Windows-1250, or UTF-16 (as Notepad saves
    // "Unicode"), told by its byte-order mark or, without one, by every other byte being zero.
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
