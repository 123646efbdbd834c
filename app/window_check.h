#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "checked_files.h"
#include "list_check.h"
#include "row_list.h"
#include "today.h"
#include "window_module.h"

namespace drawchk {

// The check as a window runs it, over a folder, and the table that hands it to the window
// module.
class WindowCheck {
  public:
    // Where `program_folder` is not known, a check touches no file and the list says why.
    // `today` gives the date each check judges the newest row against.
    explicit WindowCheck(std::optional<std::filesystem::path> program_folder,
                         TodaySource today = Today);
    WindowCheck(const WindowCheck&) = delete;
    WindowCheck& operator=(const WindowCheck&) = delete;

    // Valid as long as this check.
    const DrawchkCheckServices& Services() const { return services_; }

  private:
    std::optional<std::filesystem::path> program_folder_;
    TodaySource today_;
    std::string program_folder_text_;
    std::optional<CheckedFiles> checked_files_;
    // The files the window watches, as it last asked for them.
    std::vector<std::string> checked_file_texts_;
    RowList rows_;
    std::string hint_;
    DrawchkCheckServices services_{};
};

}  // namespace drawchk
