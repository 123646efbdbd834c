#include "window_table.h"

#include <algorithm>
#include <chrono>

#include "recheck_rule.h"
#include "text_encoding.h"

namespace drawchk {
namespace {

WindowTable& Of(void* table) { return *static_cast<WindowTable*>(table); }

const char* ProgramFolderText(void* table) { return Of(table).folder_text().c_str(); }

int RunWindowCheck(void* table, int automatic) {
    return Of(table).check().Run(automatic != 0) ? 1 : 0;
}

const char* WatchedPath(void* table, int index) {
    std::vector<std::string>& texts = Of(table).watched_texts();
    // The rest-day lists are looked for anew each time the window asks from the start.
    if (index == 0) {
        texts.clear();
        for (const auto& path : Of(table).check().WatchedPaths()) texts.push_back(PathText(path));
    }
    return index >= 0 && index < static_cast<int>(texts.size())
               ? texts[static_cast<std::size_t>(index)].c_str()
               : nullptr;
}

int ChecksAgain(void* table, int new_day) {
    return Of(table).check().ChecksAgain(new_day != 0 ? Wake::kNewDay : Wake::kFilesSettled) ? 1
                                                                                             : 0;
}

long long NewDayAtMilliseconds(void* /*table*/) {
    const auto at = NewDayAt(std::chrono::system_clock::now());
    return std::chrono::duration_cast<std::chrono::milliseconds>(at.time_since_epoch()).count();
}

int RowCount(void* table) { return Of(table).check().Rows().Count(); }

const char* RowText(void* table, int row, int* length) {
    std::string_view text = Of(table).check().Rows().Text(row);
    // Nearly every row is plain ASCII, which is UTF-8 as it stands.
    if (!std::all_of(text.begin(), text.end(), [](char c) { return (c & 0x80) == 0; })) {
        text = Of(table).row_text() = TextToUtf8(text);
    }
    *length = static_cast<int>(text.size());
    return text.data();
}

int RowOutOfPlace(void* table, int row) { return Of(table).check().Rows().OutOfPlace(row) ? 1 : 0; }

int FirstVisibleRow(void* table) { return Of(table).check().Rows().FirstVisible(); }

const char* Hint(void* table) { return Of(table).check().Hint().c_str(); }

}  // namespace

WindowTable::WindowTable(WindowCheck& check)
    : check_(check),
      folder_text_(check.ProgramFolder() ? PathText(*check.ProgramFolder()) : std::string()),
      services_{this,
                static_cast<int>(kSettleTime.count()),
                &ProgramFolderText,
                &RunWindowCheck,
                &WatchedPath,
                &ChecksAgain,
                &NewDayAtMilliseconds,
                &RowCount,
                &RowText,
                &RowOutOfPlace,
                &FirstVisibleRow,
                &Hint} {}

}  // namespace drawchk
