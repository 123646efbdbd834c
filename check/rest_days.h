#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string_view>
#include <vector>

namespace drawchk {

// The file in the program folder where a user lists rest days the program does not know yet.
inline const std::filesystem::path kRestDayFileName = "szunnapok.txt";

// Draws held two days after the draw before them, with a day without a draw between: the ones
// the program knows, and any the user adds.
class RestDays {
  public:
    // No list can slow the check down: only this much of the user's file is read.
    static constexpr std::size_t kListedBytes = std::size_t{64} * 1024;

    // The rest days the program knows.
    RestDays();

    bool Contains(std::int64_t draw) const;

    // Adds the draw number each line begins with, after blanks; other lines are notes.
    void AddListed(std::string_view text);
    // Adds the draws listed in the file at `path`, if it is a file that can be read; only its
    // first kListedBytes count, up to the last whole line in them.
    void AddListedIn(const std::filesystem::path& path);

  private:
    std::vector<std::int64_t> draws_;  // sorted, each once
};

}  // namespace drawchk
