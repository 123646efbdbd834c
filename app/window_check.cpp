#include "window_check.h"

#include "list_check.h"
#include "run_check.h"
#include "text_encoding.h"
#include "window_design.h"

namespace drawchk {
namespace {

// The window lays its list out for the rows a check scrolls by.
static_assert(design::kListRows == kVisibleRows);

WindowCheck& Of(void* check) { return *static_cast<WindowCheck*>(check); }

}  // namespace

WindowCheck::WindowCheck(std::optional<std::filesystem::path> program_folder, TodaySource today)
    : program_folder_(std::move(program_folder)), today_(std::move(today)) {
    if (program_folder_) {
        program_folder_text_ = PathText(*program_folder_);
        checked_files_.emplace(*program_folder_);
    }
    services_.check = this;
    services_.program_folder = [](void* check) { return Of(check).program_folder_text_.c_str(); };
    services_.run_check = [](void* check) {
        WindowCheck& self = Of(check);
        // Looked at before the check reads them, so a change while it reads counts as one.
        if (self.checked_files_) self.checked_files_->Changed();
        self.hint_ =
            CheckIntoList(self.program_folder_, self.rows_, kHungarianDayLabels, self.today_)
                .Text();
    };
    services_.checked_file = [](void* check, int index) -> const char* {
        WindowCheck& self = Of(check);
        std::vector<std::string>& texts = self.checked_file_texts_;
        // The rest-day lists are looked for anew each time the window asks from the start.
        if (index == 0) {
            texts.clear();
            if (self.checked_files_) {
                for (const auto& path : self.checked_files_->Paths())
                    texts.push_back(PathText(path));
            }
        }
        return index >= 0 && index < static_cast<int>(texts.size())
                   ? texts[static_cast<std::size_t>(index)].c_str()
                   : nullptr;
    };
    services_.files_changed = [](void* check) {
        WindowCheck& self = Of(check);
        return self.checked_files_ && self.checked_files_->Changed() ? 1 : 0;
    };
    services_.row_count = [](void* check) { return Of(check).rows_.Count(); };
    services_.row_text = [](void* check, int row, int* length) {
        const std::string_view text = Of(check).rows_.Text(row);
        *length = static_cast<int>(text.size());
        return text.data();
    };
    services_.row_out_of_place = [](void* check, int row) {
        return Of(check).rows_.OutOfPlace(row) ? 1 : 0;
    };
    services_.first_visible_row = [](void* check) { return Of(check).rows_.FirstVisible(); };
    services_.hint = [](void* check) { return Of(check).hint_.c_str(); };
}

}  // namespace drawchk
