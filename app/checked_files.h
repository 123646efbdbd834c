#pragma once

#include <filesystem>
#include <utility>
#include <vector>

#include "file_stamp.h"

namespace drawchk {

// The files a check reads in a folder, keno.old and the rest-day lists, so that a window can
// tell a change of them from one of any other file there: the result file it writes itself,
// above all, must never start another check.
class CheckedFiles {
  public:
    explicit CheckedFiles(std::filesystem::path folder) : folder_(std::move(folder)) {}

    // Where the files lie now: keno.old, whether it is there or not, and the rest-day lists
    // that are there.
    std::vector<std::filesystem::path> Paths() const;

    // Looks at the files now; true where they differ from the last look.
    bool Changed();
    // keno.old as the last look found it.
    const FileStamp& DrawFileStamp() const { return stamps_.front().second; }

  private:
    std::filesystem::path folder_;
    std::vector<std::pair<std::filesystem::path, FileStamp>> stamps_;
};

}  // namespace drawchk
