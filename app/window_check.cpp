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

bool WindowCheck::Run(bool /*automatic*/, const WeekdayLabels& labels) {
    ++checks_;
    if (!program_folder_) {
        rows_.Clear();
        hint_ = ListHint(ListHint::kUnknownFolder).Text();
        return true;
    }
    // Looked at before the check reads them, so a change while it reads counts as one.
    checked_files_->Changed();
    const CheckOutcome outcome = RunCheck(*program_folder_, rows_, labels);
    hint_ = HintForList(outcome, rows_, today_).Text();
    return true;
}

std::vector<std::filesystem::path> WindowCheck::WatchedPaths() const {
    if (!checked_files_) return {};
    std::vector<std::filesystem::path> paths = checked_files_->Paths();
    paths.insert(paths.begin(), *program_folder_);
    return paths;
}

bool WindowCheck::FilesChanged() { return checked_files_ && checked_files_->Changed(); }

}  // namespace drawchk
