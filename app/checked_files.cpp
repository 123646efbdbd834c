#include "checked_files.h"

#include "file_path.h"
#include "rest_days.h"
#include "run_check.h"

namespace drawchk {

CheckedFiles::CheckedFiles(const std::filesystem::path& folder) {
    paths_.push_back(folder / kDrawFileName);
    for (const std::filesystem::path& name : kRestDayFileNames) paths_.push_back(folder / name);
}

bool CheckedFiles::Changed() {
    std::vector<FileStamp> stamps;
    for (const std::filesystem::path& path : paths_) stamps.push_back(StampOf(FileCallPath(path)));
    const bool changed = stamps != stamps_;
    stamps_ = std::move(stamps);
    return changed;
}

}  // namespace drawchk
