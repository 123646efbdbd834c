#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "file_names.h"
#include "line_dates.h"
#include "rest_days.h"
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
        kUnreadableDrawFile,
        kBusyDrawFile,
        kNoDrawAfterHistory,
        kUnknownFolder,
        kReadPartly,
        kRestDayList,
        kLineDates,
        kNewestDrawOld,
        kNewestDrawAfterToday,
    };

    ListHint() = default;
    // NOLINTNEXTLINE(google-explicit-constructor): a kind alone is a whole hint.
    ListHint(Kind kind, std::string other_name = {})
        : kind(kind), other_name(std::move(other_name)) {}

    Kind kind = kNone;
    // With kMisnamedDrawFile: the file that is keno.old under a longer name.
    std::string other_name;
    // With kNewestDrawOld and kNewestDrawAfterToday: how many days before today the newest row
    // is dated, below 0 after it.
    int days_old = 0;
    // With kNewestDrawOld: the day without a draw to show as an example, none for the form.
    std::optional<std::chrono::year_month_day> example_rest_day;
    // With kRestDayList and kLineDates: the words that say what is wrong.
    std::string words;

    // The words, empty for none.
    std::string Text() const;
};

// The lines on stderr, each with its line end.

// A window asked for where no one can see it.
inline constexpr std::string_view kNoScreenLine =
    "drawchk: nincs képernyő, amelyen az ablak megjelenhetne; ablak nélkül a "
    "„drawchk Frissit” parancs ellenőriz (pontosan így írva).\n";
// Batch mode over a file whose rows go out of place at `at`; `at_end`: at its newest row.
std::string BreakLine(const FileBreak& at, bool at_end);
// Batch mode, in the words of the window's hint: why the list is empty, or that the draw file
// was not read to its end.
std::string HintLine(const ListHint& hint);
// Batch mode where the result file at `path`, UTF-8, could not be written.
std::string ResultNotWrittenLine(std::string_view path);
// Batch mode over a file whose newest row, draw `draw` of `date`, is `days_old` days old (2 or
// more), with `example` the day without a draw to show (none: the form), or dated after today
// (less than 0).
std::string NewestDrawLine(std::int64_t draw, std::chrono::year_month_day date, int days_old,
                           std::optional<std::chrono::year_month_day> example = {});
// What is wrong with a rest-day list, a sentence.
std::string RestDayListWords(const RestDayListReport& list);
// What the draw file's own dates say the count got wrong, a sentence; empty for nothing.
std::string LineDatesWords(const LineDatesFinding& finding);
// The files that are likely a rest-day list under another name, a sentence.
std::string MisnamedRestDayListWords(std::span<const MisnamedFile> files);
// The window module could not be opened, and why.
std::string WindowNotOpenedLine(std::string_view why);
std::string NoWindowModuleIn(std::string_view module, std::string_view folders);
std::string NoWindowInModule(std::string_view module);

// Writes `line` on stderr: to a Windows console in its own characters, elsewhere as UTF-8.
void SayOnStderr(std::string_view line);

}  // namespace drawchk
