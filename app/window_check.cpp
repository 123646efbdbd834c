#include "window_check.h"

#include "window_design.h"

namespace drawchk {

// The window lays its list out for the rows a check scrolls by.
static_assert(design::kListRows == kVisibleRows);

WindowCheck::WindowCheck(std::optional<std::filesystem::path> program_folder, TodaySource today)
    : program_folder_(std::move(program_folder)), today_(std::move(today)) {
    if (!program_folder_) return;
    checked_files_.emplace(*program_folder_);
    // The files as they are now are the ones the window was opened over.
    checked_files_->Changed();
}

bool WindowCheck::Run(bool automatic, const WeekdayLabels& labels) {
    std::error_code error;
    if (program_folder_ && std::filesystem::is_directory(*program_folder_, error)) {
        if (!CheckFolder(automatic, labels)) return false;
    } else {
        // No folder to check: where it is not known, or was renamed or removed while the
        // window was open.
        rows_.Clear();
        hint_ = program_folder_ ? FolderGoneWords(*program_folder_)
                                : ListHint(ListHint::kUnknownFolder).Text();
    }
    ++checks_;
    return true;
}

bool WindowCheck::CheckFolder(bool automatic, const WeekdayLabels& labels) {
    // Looked at before the check reads them, so a change while it reads counts as one.
    checked_files_->Changed();
    // A file that ends inside a line is likely still being written: an automatic check holds
    // its answer back once, until the files have settled once more. A draw file answered as
    // it is now, which a new day checks again, is not.
    const FileStamp draw_file = checked_files_->DrawFileStamp();
    const bool hold = automatic && !held_back_ && draw_file != answered_draw_file_;
    const CheckOutcome outcome =
        RunCheck(*program_folder_, next_rows_, labels, {.hold_unended = hold});
    held_back_ = outcome.held_back;
    if (held_back_) return false;
    answered_draw_file_ = draw_file;
    std::swap(rows_, next_rows_);
    hint_ = HintForList(outcome, rows_, today_).Text();
    return true;
}

std::vector<std::filesystem::path> WindowCheck::WatchedPaths() const {
    if (!checked_files_) return {};
    std::error_code error;
    if (!std::filesystem::is_directory(*program_folder_, error)) {
        std::filesystem::path there = program_folder_->parent_path();
        while (there.has_relative_path() && !std::filesystem::is_directory(there, error)) {
            there = there.parent_path();
        }
        return {there};
    }
    std::vector<std::filesystem::path> paths = checked_files_->Paths();
    // A file written beside the one a link names replaces it there, not here.
    for (std::size_t i = 0, files = paths.size(); i < files; ++i) {
        if (!std::filesystem::is_symlink(paths[i], error)) continue;
        const std::filesystem::path target = std::filesystem::canonical(paths[i], error);
        if (!error) paths.push_back(target.parent_path());
    }
    paths.insert(paths.begin(), *program_folder_);
    return paths;
}

bool WindowCheck::ChecksAgain(Wake wake) {
    if (wake == Wake::kNewDay) return true;
    const bool changed = checked_files_ && checked_files_->Changed();
    // An answer held back is owed whether or not the files changed since: the stamps were
    // taken before the check that held it.
    return changed || held_back_;
}

}  // namespace drawchk
