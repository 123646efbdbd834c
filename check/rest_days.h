#pragma once

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "listed_line.h"

namespace drawchk {

// The names of a rest-day list, folded (see FoldedName): szunnapok.txt, and szünnapok.txt as a
// Hungarian writes it.
inline constexpr std::array<std::string_view, 2> kRestDayListNames = {"szunnapok.txt",
                                                                      "sz\xC3\xBCnnapok.txt"};

// The files in `folder` where a user lists rest days the program does not know yet, in name
// order: szunnapok.txt, and szünnapok.txt as a Hungarian writes it, in any letter case, the
// ü also as a u with a combining diaeresis, as a Mac writes it. All of them count.
std::vector<std::filesystem::path> RestDayFilesIn(
    std::span<const std::filesystem::directory_entry> folder);

// Where a listed draw or day came from: the list's file name, its line counting from 1, and
// the line as the user wrote it, each UTF-8 and fit to be shown; and what it lists, a draw
// or a day (days since 1970-01-01).
struct ListedEntry {
    std::string list;
    int line = 0;
    std::string text;
    std::int64_t draw = 0;
    std::optional<int> day;
};

// The faults of one list's lines: the first, and how many more.
struct ListedFaults {
    std::optional<ListedLine> first;
    ListedEntry first_entry;
    int more = 0;
};

// What became of reading one rest-day list, and what its lines got wrong.
struct RestDayListReport {
    // kChanging: it changed all the while it was read again, about a second.
    enum class Read {
        kRead,
        kFolder,
        kNoPermission,
        kDanglingLink,
        kBusy,
        kUnreadable,
        kChanging,
    };

    std::filesystem::path path;
    Read read = Read::kRead;
    // With kDanglingLink: where the link points, UTF-8.
    std::string link_target;
    ListedFaults faults;

    bool HasFault() const { return read != Read::kRead || faults.first.has_value(); }
};

// Days without a draw: the draws held two days after the draw before them, which the program
// knows and the user may add, and the days themselves, which only the user lists.
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
    // The listed days, as days since 1970-01-01, in order, each once.
    const std::vector<int>& ListedDays() const { return days_; }

    // Adds the draws and days that the lines of the list `list_name` give. The text is UTF-8,
    // Windows-1250, or UTF-16 (as Notepad saves "Unicode"), told by its byte-order mark or,
    // without one, by every other byte being zero.
    ListedFaults AddListed(std::string_view text, std::string_view list_name = "szunnapok.txt");
    // Adds what the file at `path` lists, if it is a file that can be read; only its first
    // kListedBytes count, up to the last whole line in them.
    RestDayListReport AddListedIn(const std::filesystem::path& path);

    // The line a listed draw or day came from; none for one the program knows alone.
    const ListedEntry* EntryOfDraw(std::int64_t draw) const;
    const ListedEntry* EntryOfDay(int day) const;

  private:
    // Draw numbers below this many are looked up in a bitmap, far ones in a sorted list.
    static constexpr std::int64_t kNearDraws = std::int64_t{1} << 16;

    void Add(std::int64_t draw);
    void AddDay(int day);
    bool ContainsFar(std::int64_t draw) const;
    void AddLine(std::string_view line, ListedEntry where, ListedFaults& faults);

    std::vector<bool> near_;
    std::vector<std::int64_t> far_;  // sorted, each once
    std::vector<int> days_;
    // Where each listed draw and day came from, first listing first.
    std::vector<ListedEntry> entries_;
    std::vector<std::pair<std::int64_t, std::size_t>> draw_entries_;
    std::vector<std::pair<int, std::size_t>> day_entries_;
};

}  // namespace drawchk
