#include "checked_files.h"

#include "file_names.h"
#include "rest_days.h"
#include "run_check.h"
#include "system_files.h"

namespace drawchk {

std::vector<std::filesystem::path> CheckedFiles::Paths() const {
    const std::filesystem::path folder = FileCallPath(folder_);
    std::vector<std::filesystem::path> paths = RestDayFilesIn(FolderEntries(folder));
    paths.insert(paths.begin(), folder / kDrawFileName);
    return paths;
}

bool CheckedFiles::Changed() {
    std::vector<std::pair<std::filesystem::path, FileStamp>> stamps;
    for (std::filesystem::path& path : Paths()) {
        const FileStamp stamp = StampOf(path);
        stamps.emplace_back(std::move(path), stamp);
    }
    const bool changed = stamps != stamps_;
    stamps_ = std::move(stamps);
    return changed;
}

}  // namespace drawchk
