#pragma once

#include <string>
#include <vector>

#include "window_check.h"
#include "window_module.h"

namespace drawchk {

// The table that hands a window check to the window module: plain functions over it.
class WindowTable {
  public:
    // `check` must outlive the table.
    explicit WindowTable(WindowCheck& check);
    WindowTable(const WindowTable&) = delete;
    WindowTable& operator=(const WindowTable&) = delete;

    // Valid as long as the table.
    const DrawchkCheckServices& Services() const { return services_; }

    WindowCheck& check() const { return check_; }
    const std::string& folder_text() const { return folder_text_; }
    std::vector<std::string>& watched_texts() { return watched_texts_; }
    std::string& row_text() { return row_text_; }

  private:
    WindowCheck& check_;
    std::string folder_text_;
    // The paths the window watches, as it last asked for them.
    std::vector<std::string> watched_texts_;
    // The last row handed out that was not plain ASCII, as UTF-8.
    std::string row_text_;
    DrawchkCheckServices services_{};
};

}  // namespace drawchk
