#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "checked_files.h"
#include "file_stamp.h"
#include "list_check.h"
#include "recheck_rule.h"
#include "row_list.h"
#include "today.h"

namespace drawchk {

// The check as both windows run it, over the program folder: the rows and what the list says
// besides them, the files a window watches and whether they changed, and today's judgement.
// A window shows what it leaves and keeps the user's row; the rest is here.
class WindowCheck {
  public:
    // Where `program_folder` is not known, a check touches no file and the list says why.
    // `today` gives the date each check judges the newest row against.
    explicit WindowCheck(std::optional<std::filesystem::path> program_folder,
                         TodaySource today = Today);
    WindowCheck(const WindowCheck&) = delete;
    WindowCheck& operator=(const WindowCheck&) = delete;

    // Runs a check into the rows with `labels`, judges the newest row and rewrites the result
    // file. `automatic`: started by a change or a new day, not by the user. Returns false
    // where an automatic check held its answer back, as for a file still being written.
    bool Run(bool automatic = false, const WeekdayLabels& labels = kHungarianDayLabels);

    const RowList& Rows() const { return rows_; }
    // What the list says besides its rows, UTF-8; empty for none.
    const std::string& Hint() const { return hint_; }
    const std::optional<std::filesystem::path>& ProgramFolder() const { return program_folder_; }
    // What a window watches: the program folder, keno.old and the rest-day lists there now,
    // and the folders of the files they link to; where the folder is gone, its nearest
    // folder that is there, to see it back; none where the folder is not known.
    std::vector<std::filesystem::path> WatchedPaths() const;
    // Whether a window checks again when `wake` wakes it: at a new day always, since today may
    // be another; after the files settled only where keno.old or a rest-day list changed
    // since the last check began, or the last automatic check held its answer back. No other
    // file of the folder counts, the result file least of all.
    bool ChecksAgain(Wake wake);
    // How many checks have answered, which a test counts.
    int Checks() const { return checks_; }

  private:
    // Runs a check into the rows, or holds its answer back; false where it did.
    bool CheckFolder(bool automatic, const WeekdayLabels& labels);

    std::optional<std::filesystem::path> program_folder_;
    TodaySource today_;
    std::optional<CheckedFiles> checked_files_;
    RowList rows_;
    // The rows of the check under way, which become rows_ once it answers.
    RowList next_rows_;
    std::string hint_;
    int checks_ = 0;
    // The last automatic check held its answer back: the next one answers whatever it finds.
    bool held_back_ = false;
    // The draw file as the last answered check found it before reading it.
    FileStamp answered_draw_file_;
};

}  // namespace drawchk
