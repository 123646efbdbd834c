#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "file_names.h"
#include "line_dates.h"
#include "rest_days.h"
#include "result_file.h"
#include "row_list.h"

// Everything the program says in words besides its window's captions: what its list says
// besides the rows, and the lines it writes on stderr. Hungarian, UTF-8.
namespace drawchk {

// What the list says besides its rows: why a check left it empty, or, over the rows, that they
// stop where a read of the draw file failed, that a rest-day list has a fault, or that the
// newest row's date is not near today. The window paints it inside the list.
struct ListHint {
    enum Kind {
        kNone,
        kNoDrawFile,
        kMisnamedDrawFile,
        kDanglingDrawFileLink,
        kUnreadableDrawFile,
        kBusyDrawFile,
        kChangingDrawFile,
        kNoDrawAfterHistory,
        kUnknownFolder,
        kReadPartly,
        kRestDayList,
        kFileBreak,
        kLineDates,
        kNewestDrawOld,
        kNewestDrawAfterToday,
    };

    ListHint() = default;
    // NOLINTNEXTLINE(google-explicit-constructor): a kind alone is a whole hint.
    ListHint(Kind kind, std::string words = {}) : kind(kind), words(std::move(words)) {}

    Kind kind = kNone;
    // With kNewestDrawOld and kNewestDrawAfterToday: how many days before today the newest row
    // is dated, below 0 after it.
    int days_old = 0;
    // With kNewestDrawOld: the day without a draw to show as an example, none for the form.
    std::optional<std::chrono::year_month_day> example_rest_day;
    // With kMisnamedDrawFile, kDanglingDrawFileLink, kRestDayList, kFileBreak and kLineDates:
    // the words, which name the files and say what is wrong.
    std::string words;

    // The words, empty for none.
    std::string Text() const;
};

// The lines on stderr, each with its line end.

// A window asked for where no one can see it.
inline constexpr std::string_view kNoScreenLine =
    "drawchk: nincs képernyő, amelyen az ablak megjelenhetne; ablak nélkül a "
    "„drawchk Frissit” parancs ellenőriz (pontosan így írva).\n";
// Batch mode, in the words of the window's hint: why the list is empty, that the draw file
// was not read to its end, or what else the hint says. `empty_result`: the result file now
// holds an empty line, which the line says too.
std::string HintLine(const ListHint& hint, bool empty_result = false);
// Batch mode says the faults of this many rest-day lists at most, and then how many more.
inline constexpr std::size_t kListLinesAtMost = 2;
std::string MoreListsLine(int more);
// Batch mode where the result file at `path` could not be written, for `why`; `earlier`: an
// earlier one was there, which stays as it was.
std::string ResultNotWrittenLine(const std::filesystem::path& path, WriteFailure why, bool earlier);
// Batch mode over a file whose newest row, draw `draw` of `date` (`own_date`: as the lines'
// own dates give it, not the count, which Drawchk.txt holds), is `days_old` days old (2 or more),
// with `example` the day without a draw to show (none: the form), or dated after today (less than
// 0).
std::string NewestDrawLine(std::int64_t draw, std::chrono::year_month_day date, bool own_date,
                           int days_old, std::optional<std::chrono::year_month_day> example = {});
// What went wrong where the draw file breaks, `at_end`: at its newest row, a sentence that
// says what to do.
std::string BreakWords(const FileBreak& at, bool at_end);
// What is wrong with a rest-day list, a sentence.
std::string RestDayListWords(const RestDayListReport& list);
// What the draw file's own dates say: the days without a draw the program did not know, the
// listed lines that were none, and a line whose own date disagrees; a sentence for each that
// there is, in that order.
std::vector<std::string> LineDatesSentences(const LineDatesFinding& finding);
// That `wanted` is not there but `files` are, likely it under other names, a sentence.
std::string MisnamedWords(std::string_view wanted, std::span<const MisnamedFile> files);
// That the program folder `folder` is gone, renamed or removed while the window was open, a
// sentence.
std::string FolderGoneWords(const std::filesystem::path& folder);
// That keno.old is a link to `target`, which is not there, a sentence.
std::string DanglingDrawFileWords(std::string_view target);
// DRAWCHK_TODAY holds `given`, which is no date written YYYY-MM-DD.
std::string BadTodayLine(std::string_view given);
// The window module could not be opened, and why.
std::string WindowNotOpenedLine(std::string_view why);
std::string NoWindowModuleIn(std::string_view module, std::string_view folders);
std::string NoWindowInModule(std::string_view module);
// Why the system's loader would not load `module`, from the loader's own (English) words: a
// library it needs that is missing, with the package to install, a Qt too old, or a file
// that is damaged or built for another machine.
std::string WindowModuleNotLoaded(std::string_view module, std::string_view loader_error);

// Writes `line` on stderr: to a Windows console in its own characters, elsewhere as UTF-8.
void SayOnStderr(std::string_view line);

}  // namespace drawchk
